#pragma once

#include <QString>

#include <optional>

class FolderModel;

// Typing in a folder's list, as in any desktop list: a letter (or ".")
// alone jumps as the letter index does; more typed without a pause go to
// the first name that begins with them; after a pause a new name begins.
class FolderTypeAhead {
public:
    // The row that what was typed (one key's text, Shift aside) leads to at
    // now (seconds): none when it is no typing (another key, or a space
    // that begins nothing: the list's own key), -1 when no name begins so
    // (the choice stays, as in any desktop list).
    std::optional<int> rowFor(const QString& text, Qt::KeyboardModifiers modifiers, const FolderModel& folder,
                              double now);

private:
    QString m_typed;
    double m_lastTypedAt = 0;
};

#include "models/FolderTypeAhead.h"

#include "models/FolderModel.h"

#include <QGuiApplication>
#include <QStyleHints>

std::optional<int> FolderTypeAhead::rowFor(const QString& text, Qt::KeyboardModifiers modifiers,
                                           const FolderModel& folder, double now)
{
    if ((modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier)
        return std::nullopt;
    if (text.size() != 1 || !text[0].isPrint())
        return std::nullopt;
    const double pause = QGuiApplication::styleHints()->keyboardInputInterval() / 1000.0;
    if (now - m_lastTypedAt > pause)
        m_typed.clear();
    // A space continues a name; alone it is the list's own key.
    if (m_typed.isEmpty() && text[0].isSpace())
        return std::nullopt;
    m_lastTypedAt = now;
    m_typed += text;
    if (m_typed.size() == 1 && (text[0].isLetter() || text[0] == u'.'))
        return folder.rowForIndexTitle(text.toUpper());
    return folder.rowForPrefix(m_typed);
}

#pragma once

#include <QString>
#include <QUrl>

#include <vector>

// The pages a web view has shown, oldest first, with the one shown now.
// Pages from an address are fetched again when revisited; pages given as
// text keep their text.
class WebHistory {
public:
    struct Item {
        QUrl url;          // the page's address (with its fragment), or the base of a given text
        QString html;      // the text of a page given as text
        bool givenAsText = false;
        int scrollY = 0;   // where the reader was when leaving the page
    };

    // Older pages are forgotten beyond this many.
    static constexpr int maximumItems = 50;

    bool isEmpty() const { return m_items.empty(); }
    int size() const { return int(m_items.size()); }
    int index() const { return m_index; }
    bool canGoBack() const { return m_index > 0; }
    bool canGoForward() const { return m_index >= 0 && m_index + 1 < size(); }
    bool isValidIndex(int index) const { return index >= 0 && index < size(); }

    Item* current() { return isValidIndex(m_index) ? &m_items[size_t(m_index)] : nullptr; }
    const Item* current() const { return isValidIndex(m_index) ? &m_items[size_t(m_index)] : nullptr; }
    const Item& at(int index) const { return m_items[size_t(index)]; }

    // A new page: the pages ahead of the current one are dropped.
    void push(Item item)
    {
        m_items.erase(m_items.begin() + (m_index + 1), m_items.end());
        m_items.push_back(std::move(item));
        if (size() > maximumItems)
            m_items.erase(m_items.begin());
        m_index = size() - 1;
    }

    void moveTo(int index)
    {
        if (isValidIndex(index))
            m_index = index;
    }

private:
    std::vector<Item> m_items;
    int m_index = -1;
};

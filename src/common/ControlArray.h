// A control array: elements loaded and unloaded by index at run time.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace tw {

// Element 0 is the design-time template and is never unloaded. Asking for an
// element that is not loaded returns null: an ordinary, checked outcome.
template<class T>
class ControlArray
{
public:
    using Factory = std::function<T *(int index)>;

    ControlArray() = default;
    ControlArray(T *templateElement, Factory factory)
    {
        reset(templateElement, std::move(factory));
    }

    void reset(T *templateElement, Factory factory)
    {
        m_factory = std::move(factory);
        m_items.assign(1, QPointer<T>(templateElement));
    }

    // Creates element i; false when it exists already or cannot be made.
    bool load(int i)
    {
        if (i <= 0 || loaded(i) || !m_factory)
            return false;
        if (static_cast<size_t>(i) >= m_items.size())
            m_items.resize(i + 1);
        m_items[i] = m_factory(i);
        return m_items[i] != nullptr;
    }

    // Destroys element i; false when it is not loaded. Element 0 stays.
    bool unload(int i)
    {
        if (i <= 0 || !loaded(i))
            return false;
        delete m_items[i].data();
        m_items[i] = nullptr;
        return true;
    }

    bool loaded(int i) const
    {
        return i >= 0 && static_cast<size_t>(i) < m_items.size() && !m_items[i].isNull();
    }

    // The element, or null when it is not loaded.
    T *at(int i) const { return loaded(i) ? m_items[i].data() : nullptr; }
    T *operator()(int i) const { return at(i); }

    // Number of loaded elements above 0.
    int count() const
    {
        int n = 0;
        for (size_t i = 1; i < m_items.size(); ++i)
            n += m_items[i].isNull() ? 0 : 1;
        return n;
    }

    // Highest index that may be loaded (for loops over all elements).
    int upperBound() const { return static_cast<int>(m_items.size()) - 1; }

private:
    Factory m_factory;
    std::vector<QPointer<T>> m_items;
};

} // namespace tw

#pragma once

#include "automation/AutomationError.h"

#include <QString>

#include <cstddef>
#include <utility>
#include <vector>

namespace addrell {

// An ordered collection of items added under string keys. Keys compare without regard to
// letter case; items are read by key or by 1-based position, and a missing one is an error.
template <typename T> class KeyedCollection {
public:
    // Error 457 when the key is already present.
    void add(const QString& key, T item)
    {
        const QString folded = key.toCaseFolded();
        if (find(folded) != nullptr) {
            throw AutomationError::runtime(RuntimeError::KeyAlreadyAssociated);
        }
        m_items.push_back({folded, std::move(item)});
    }

    // Error 9 when no item stands at that position.
    [[nodiscard]] const T& item(long long position) const
    {
        if (position < 1 || position > static_cast<long long>(m_items.size())) {
            throw AutomationError::runtime(RuntimeError::SubscriptOutOfRange);
        }
        return m_items[static_cast<std::size_t>(position - 1)].second;
    }

    // Error 5 when no item has that key.
    [[nodiscard]] const T& item(const QString& key) const
    {
        const T* found = find(key.toCaseFolded());
        if (found == nullptr) {
            throw AutomationError::runtime(RuntimeError::InvalidProcedureCall);
        }
        return *found;
    }

    [[nodiscard]] bool contains(const QString& key) const
    {
        return find(key.toCaseFolded()) != nullptr;
    }
    [[nodiscard]] int count() const noexcept { return static_cast<int>(m_items.size()); }

    friend bool operator==(const KeyedCollection&, const KeyedCollection&) = default;

private:
    [[nodiscard]] const T* find(const QString& foldedKey) const
    {
        for (const auto& [key, item] : m_items) {
            if (key == foldedKey) {
                return &item;
            }
        }
        return nullptr;
    }

    std::vector<std::pair<QString, T>> m_items;
};

} // namespace addrell

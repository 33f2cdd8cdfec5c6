#pragma once

#include "automation/Variant.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace addrell::outlook {

class Explorer;
class Item;
class Items;
class MAPIFolder;
class NameSpace;
class Selection;

// Item classes and folder item types of the contacts program's object model.
inline constexpr std::int32_t olContact = 40;
inline constexpr std::int32_t olDistributionList = 69;
inline constexpr std::int32_t olNote = 44;
inline constexpr std::int32_t olMailItem = 0;
inline constexpr std::int32_t olContactItem = 2;

// The members of the contacts program's object model that the program calls.
class Application {
public:
    virtual ~Application() = default;
    [[nodiscard]] virtual std::shared_ptr<outlook::NameSpace> GetNamespace(const QString& Type) = 0;
    // Nothing when the program shows no window.
    [[nodiscard]] virtual std::shared_ptr<outlook::Explorer> ActiveExplorer() = 0;
};

class NameSpace {
public:
    virtual ~NameSpace() = default;
    // Nothing when the user cancels the folder picker.
    [[nodiscard]] virtual std::shared_ptr<MAPIFolder> PickFolder() = 0;
};

class MAPIFolder {
public:
    virtual ~MAPIFolder() = default;
    [[nodiscard]] virtual std::int32_t DefaultItemType() = 0;
    [[nodiscard]] virtual std::shared_ptr<outlook::Items> Items() = 0;
    [[nodiscard]] virtual QString Name() = 0; // the default property
};

class Items {
public:
    virtual ~Items() = default;
    virtual void Sort(const QString& Property, const Variant& Descending) = 0;
    [[nodiscard]] virtual std::int32_t Count() = 0;
    [[nodiscard]] virtual std::shared_ptr<MAPIFolder> Parent() = 0;
    // Every item once, in the current order.
    virtual void ForEach(const std::function<void(Item&)>& visit) = 0;
};

class Explorer {
public:
    virtual ~Explorer() = default;
    [[nodiscard]] virtual std::shared_ptr<outlook::Selection> Selection() = 0;
};

class Selection {
public:
    virtual ~Selection() = default;
    // 1-based; a missing index fails as the server decides.
    [[nodiscard]] virtual std::shared_ptr<outlook::Item> Item(const Variant& Index) = 0;
};

// An item of any kind, reached by member name: a member the item does not have fails with 438.
class Item {
public:
    virtual ~Item() = default;
    [[nodiscard]] virtual std::int32_t Class() = 0;
    [[nodiscard]] virtual QString FullName() = 0;
    [[nodiscard]] virtual QString CompanyName() = 0;
    [[nodiscard]] virtual QString MailingAddress() = 0;
};

} // namespace addrell::outlook

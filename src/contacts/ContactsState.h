#pragma once

#include "automation/Variant.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace addrell {

namespace outlook {
class Application;
class Explorer;
class Item;
class NameSpace;
class Selection;
} // namespace outlook

// The window's fields that the contact handlers read and write.
struct ContactsState {
    std::shared_ptr<outlook::Application> objOutlook;
    std::shared_ptr<outlook::Explorer> objExplorer;
    std::shared_ptr<outlook::NameSpace> objNameSpace;
    std::shared_ptr<outlook::Selection> objSelection;
    std::shared_ptr<outlook::Item> objContact;
    QString strAddress;
    bool blnNoContacts = true;          // until a folder has been loaded
    Variant varCurRow{std::int16_t{1}}; // the current contact row
};

} // namespace addrell

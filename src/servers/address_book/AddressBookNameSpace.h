#pragma once

#include "automation/outlook/OutlookApplication.h"

#include <QLocale>

#include <memory>

namespace addrell {

class FolderChooser;

// The "MAPI" namespace: the way to the folder picker.
class AddressBookNameSpace : public outlook::NameSpace {
public:
    AddressBookNameSpace(std::shared_ptr<FolderChooser> chooser, QLocale::Territory home);

    [[nodiscard]] std::shared_ptr<outlook::MAPIFolder> PickFolder() override;

private:
    std::shared_ptr<FolderChooser> m_chooser;
    QLocale::Territory m_home;
};

} // namespace addrell

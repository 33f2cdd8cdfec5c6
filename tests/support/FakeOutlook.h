#pragma once

#include "automation/AutomationError.h"
#include "automation/outlook/OutlookApplication.h"
#include "contacts/ContactGrid.h"
#include "contacts/ContactsView.h"

#include <QStringList>

#include <deque>
#include <exception>
#include <vector>

namespace addrell::testing {

struct FakeContact {
    std::int32_t itemClass = outlook::olContact;
    QString fileAs;
    QString fullName;
    QString companyName;
    QString mailingAddress;
};

// Shared by every fake object: what they hold, what they were asked, what fails.
struct OutlookWorld {
    std::deque<std::shared_ptr<outlook::MAPIFolder>> picks; // nothing left: the user cancels
    std::vector<FakeContact> selection;                     // empty: no explorer window
    QStringList calls; // every call, and "release <object>" as each object goes
    QString failOn;    // the first call whose log line starts so throws `failure`
    std::exception_ptr failure =
        std::make_exception_ptr(AutomationError(5, QStringLiteral("D"), QStringLiteral("Fake")));
    int failAfterItems = -1; // items the enumeration yields before it throws
    int aliveObjects = 0;
    Variant selectionIndex; // as last passed to Selection.Item

    void record(const QString& call);
};

// Counted in the world while it lives; its release is logged.
class FakeObject {
protected:
    FakeObject(std::shared_ptr<OutlookWorld> world, QString name);
    ~FakeObject();
    std::shared_ptr<OutlookWorld> m_world;

private:
    QString m_name;
};

// A folder is its own item collection.
class FakeFolder : public outlook::MAPIFolder,
                   public outlook::Items,
                   public std::enable_shared_from_this<FakeFolder>,
                   FakeObject {
public:
    FakeFolder(std::shared_ptr<OutlookWorld> world, QString name, std::int32_t itemType,
               std::vector<FakeContact> contents);
    std::int32_t DefaultItemType() override { return m_itemType; }
    std::shared_ptr<outlook::Items> Items() override { return {shared_from_this(), this}; }
    QString Name() override { return m_name; }
    void Sort(const QString& Property, const Variant& Descending) override;
    std::int32_t Count() override { return std::int32_t(m_contents.size()); }
    std::shared_ptr<outlook::MAPIFolder> Parent() override { return shared_from_this(); }
    void ForEach(const std::function<void(outlook::Item&)>& visit) override;

private:
    QString m_name;
    std::int32_t m_itemType;
    std::vector<FakeContact> m_contents;
};

class FakeOutlookApplication : public outlook::Application, FakeObject {
public:
    explicit FakeOutlookApplication(std::shared_ptr<OutlookWorld> world);
    std::shared_ptr<outlook::NameSpace> GetNamespace(const QString& Type) override;
    std::shared_ptr<outlook::Explorer> ActiveExplorer() override;
};

// The grid's members over a plain table of texts.
class FakeGrid : public ContactGrid {
public:
    [[nodiscard]] std::int32_t Rows() const override { return std::int32_t(cells.size()); }
    void setRows(std::int32_t rows) override { cells.resize(rows, QStringList(cols)); }
    [[nodiscard]] std::int32_t Cols() const override { return cols; }
    void setCols(std::int32_t count) override;
    void setFormatString(const QString& /*format*/) override {}
    [[nodiscard]] QString TextMatrix(std::int32_t row, std::int32_t col) const override;
    void setTextMatrix(std::int32_t row, std::int32_t col, const QString& text) override;
    [[nodiscard]] std::int32_t RowSel() const override { return rowSel; }
    void selectOnly(std::int32_t row) override { selectedRow = row; }

    std::vector<QStringList> cells = std::vector<QStringList>(2, QStringList(2));
    std::int32_t cols = 2;
    std::int32_t rowSel = 1;
    std::int32_t selectedRow = 0;
};

class FakeContactsView : public ContactsView {
public:
    ContactGrid& grid() override { return table; }
    void setNextVisible(bool visible) override { nextVisible = visible; }
    void setPreviousVisible(bool visible) override { previousVisible = visible; }
    void setStatus(const QString& text) override { status = text; }
    void setProgressRange(float /*min*/, float max) override { progressMax = max; }
    void setProgressValue(float value) override { progressValues << value; }
    void setProgressVisible(bool visible) override { progressVisible = visible; }
    void setCurrentPage(int index) override { page = index; }
    void setAddressText(const QString& text) override { address = text; }

    FakeGrid table;
    bool nextVisible = false;
    bool previousVisible = false;
    QString status = QStringLiteral("No Contacts Opened");
    float progressMax = 100;
    QList<float> progressValues;
    bool progressVisible = false;
    int page = 0;
    QString address;
};

} // namespace addrell::testing

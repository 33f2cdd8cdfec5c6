#include "FakeOutlook.h"

#include <algorithm>

namespace addrell::testing {

namespace {

class FakeItem : public outlook::Item, FakeObject {
public:
    FakeItem(std::shared_ptr<OutlookWorld> world, FakeContact contact)
        : FakeObject(std::move(world), QStringLiteral("Item")), m_contact(std::move(contact))
    {
    }
    std::int32_t Class() override { return m_contact.itemClass; }
    QString FullName() override { return m_contact.fullName; }
    QString CompanyName() override { return m_contact.companyName; }
    QString MailingAddress() override { return m_contact.mailingAddress; }

private:
    FakeContact m_contact;
};

class FakeSelection : public outlook::Selection, FakeObject {
public:
    explicit FakeSelection(std::shared_ptr<OutlookWorld> world)
        : FakeObject(std::move(world), QStringLiteral("Selection"))
    {
    }
    std::shared_ptr<outlook::Item> Item(const Variant& Index) override
    {
        m_world->record(QStringLiteral("Selection.Item"));
        m_world->selectionIndex = Index;
        const auto index = static_cast<std::size_t>(Index.toLong() - 1);
        return std::make_shared<FakeItem>(m_world, m_world->selection.at(index));
    }
};

class FakeExplorer : public outlook::Explorer, FakeObject {
public:
    explicit FakeExplorer(std::shared_ptr<OutlookWorld> world)
        : FakeObject(std::move(world), QStringLiteral("Explorer"))
    {
    }
    std::shared_ptr<outlook::Selection> Selection() override
    {
        m_world->record(QStringLiteral("Explorer.Selection"));
        return std::make_shared<FakeSelection>(m_world);
    }
};

class FakeNameSpace : public outlook::NameSpace, FakeObject {
public:
    explicit FakeNameSpace(std::shared_ptr<OutlookWorld> world)
        : FakeObject(std::move(world), QStringLiteral("NameSpace"))
    {
    }
    std::shared_ptr<outlook::MAPIFolder> PickFolder() override
    {
        if (m_world->picks.empty()) {
            return nullptr;
        }
        auto folder = m_world->picks.front();
        m_world->picks.pop_front();
        return folder;
    }
};

} // namespace

void OutlookWorld::record(const QString& call)
{
    calls << call;
    if (!failOn.isEmpty() && call.startsWith(failOn)) {
        std::rethrow_exception(failure);
    }
}

FakeObject::FakeObject(std::shared_ptr<OutlookWorld> world, QString name)
    : m_world(std::move(world)), m_name(std::move(name))
{
    ++m_world->aliveObjects;
}

FakeObject::~FakeObject()
{
    --m_world->aliveObjects;
    m_world->calls << QStringLiteral("release ") + m_name;
}

FakeFolder::FakeFolder(std::shared_ptr<OutlookWorld> world, QString name, std::int32_t itemType,
                       std::vector<FakeContact> contents)
    : FakeObject(std::move(world), QStringLiteral("Folder")), m_name(std::move(name)),
      m_itemType(itemType), m_contents(std::move(contents))
{
}

void FakeFolder::Sort(const QString& Property, const Variant& Descending)
{
    m_world->record(QStringLiteral("Items.Sort(%1, %2)").arg(Property, Descending.toString()));
    std::stable_sort(m_contents.begin(), m_contents.end(), [](const auto& a, const auto& b) {
        return a.fileAs.compare(b.fileAs, Qt::CaseInsensitive) < 0;
    });
}

void FakeFolder::ForEach(const std::function<void(outlook::Item&)>& visit)
{
    for (std::size_t i = 0; i < m_contents.size(); ++i) {
        if (std::cmp_equal(i, m_world->failAfterItems)) {
            throw AutomationError(-2147221233, QStringLiteral("The item was moved."),
                                  QStringLiteral("Fake"));
        }
        FakeItem item(m_world, m_contents[i]);
        visit(item);
    }
}

FakeOutlookApplication::FakeOutlookApplication(std::shared_ptr<OutlookWorld> world)
    : FakeObject(std::move(world), QStringLiteral("Application"))
{
    m_world->record(QStringLiteral("create Outlook.Application"));
}

std::shared_ptr<outlook::NameSpace> FakeOutlookApplication::GetNamespace(const QString& Type)
{
    m_world->record(QStringLiteral("Application.GetNamespace(%1)").arg(Type));
    return std::make_shared<FakeNameSpace>(m_world);
}

std::shared_ptr<outlook::Explorer> FakeOutlookApplication::ActiveExplorer()
{
    m_world->record(QStringLiteral("Application.ActiveExplorer"));
    return m_world->selection.empty() ? nullptr : std::make_shared<FakeExplorer>(m_world);
}

void FakeGrid::setCols(std::int32_t count)
{
    cols = count;
    for (QStringList& row : cells) {
        row.resize(count);
    }
}

QString FakeGrid::TextMatrix(std::int32_t row, std::int32_t col) const
{
    if (row < 0 || row >= Rows() || col < 0 || col >= cols) {
        throw AutomationError(381, QStringLiteral("Subscript out of range"),
                              QStringLiteral("Grid"));
    }
    return cells[static_cast<std::size_t>(row)][col];
}

void FakeGrid::setTextMatrix(std::int32_t row, std::int32_t col, const QString& text)
{
    static_cast<void>(TextMatrix(row, col));
    cells[static_cast<std::size_t>(row)][col] = text;
}

} // namespace addrell::testing

#include "FakeOutlook.h"

#include <algorithm>

namespace addrell::testing {

namespace {

class FakeSelection : public outlook::Selection {
public:
    FakeSelection(std::shared_ptr<OutlookWorld> world) : m_world(std::move(world)) {}
    std::shared_ptr<outlook::Item> Item(const Variant& Index) override
    {
        m_world->record(QStringLiteral("Selection.Item(%1)").arg(Index.toString()));
        const auto index = static_cast<std::size_t>(Index.toLong());
        if (index < 1 || index > m_world->selection.size()) {
            throw AutomationError(-2147352567, QStringLiteral("Array index out of bounds."),
                                  QStringLiteral("Fake Outlook"));
        }
        return std::make_shared<FakeItem>(m_world, m_world->selection[index - 1]);
    }

private:
    std::shared_ptr<OutlookWorld> m_world;
};

class FakeExplorer : public outlook::Explorer {
public:
    FakeExplorer(std::shared_ptr<OutlookWorld> world) : m_world(std::move(world)) {}
    std::shared_ptr<outlook::Selection> Selection() override
    {
        m_world->record(QStringLiteral("Explorer.Selection"));
        return std::make_shared<FakeSelection>(m_world);
    }

private:
    std::shared_ptr<OutlookWorld> m_world;
};

class FakeNameSpace : public outlook::NameSpace {
public:
    FakeNameSpace(std::shared_ptr<OutlookWorld> world) : m_world(std::move(world))
    {
        ++m_world->aliveObjects;
    }
    ~FakeNameSpace() override { --m_world->aliveObjects; }
    std::shared_ptr<outlook::MAPIFolder> PickFolder() override
    {
        m_world->record(QStringLiteral("NameSpace.PickFolder"));
        if (m_world->picks.empty()) {
            return nullptr;
        }
        auto folder = m_world->picks.front();
        m_world->picks.pop_front();
        return folder;
    }

private:
    std::shared_ptr<OutlookWorld> m_world;
};

} // namespace

void OutlookWorld::record(const QString& call)
{
    calls << call;
    if (!failOn.isEmpty() && call.startsWith(failOn)) {
        throw AutomationError(5, QStringLiteral("D"), QStringLiteral("Fake Outlook"));
    }
}

FakeItem::FakeItem(std::shared_ptr<OutlookWorld> world, FakeContact contact)
    : m_world(std::move(world)), m_contact(std::move(contact))
{
    ++m_world->aliveObjects;
}

FakeItem::~FakeItem()
{
    --m_world->aliveObjects;
}

void FakeItem::requireContact() const
{
    if (m_contact.itemClass != outlook::olContact) {
        throw AutomationError::runtime(RuntimeError::MemberNotSupported);
    }
}

QString FakeItem::FullName()
{
    requireContact();
    return m_contact.fullName;
}

QString FakeItem::CompanyName()
{
    requireContact();
    return m_contact.companyName;
}

QString FakeItem::MailingAddress()
{
    requireContact();
    return m_contact.mailingAddress;
}

FakeFolder::FakeFolder(std::shared_ptr<OutlookWorld> world, QString name, std::int32_t itemType,
                       std::vector<FakeContact> contents)
    : m_world(std::move(world)), m_name(std::move(name)), m_itemType(itemType),
      m_contents(std::move(contents))
{
    ++m_world->aliveObjects;
}

FakeFolder::~FakeFolder()
{
    --m_world->aliveObjects;
}

std::int32_t FakeFolder::DefaultItemType()
{
    m_world->record(QStringLiteral("Folder.DefaultItemType"));
    return m_itemType;
}

std::shared_ptr<outlook::Items> FakeFolder::Items()
{
    m_world->record(QStringLiteral("Folder.Items"));
    return std::shared_ptr<outlook::Items>(shared_from_this(), this);
}

void FakeFolder::Sort(const QString& Property, const Variant& Descending)
{
    m_world->record(QStringLiteral("Items.Sort(%1, %2)").arg(Property, Descending.toString()));
    std::stable_sort(m_contents.begin(), m_contents.end(),
                     [](const FakeContact& a, const FakeContact& b) {
                         return a.fileAs.compare(b.fileAs, Qt::CaseInsensitive) < 0;
                     });
}

std::int32_t FakeFolder::Count()
{
    m_world->record(QStringLiteral("Items.Count"));
    return static_cast<std::int32_t>(m_contents.size());
}

std::shared_ptr<outlook::MAPIFolder> FakeFolder::Parent()
{
    return shared_from_this();
}

void FakeFolder::ForEach(const std::function<void(outlook::Item&)>& visit)
{
    int yielded = 0;
    for (const FakeContact& contact : m_contents) {
        if (yielded++ == m_world->failAfterItems) {
            throw AutomationError(-2147221233, QStringLiteral("The item was moved."),
                                  QStringLiteral("Fake Outlook"));
        }
        FakeItem item(m_world, contact);
        visit(item);
    }
}

FakeOutlookApplication::FakeOutlookApplication(std::shared_ptr<OutlookWorld> world)
    : m_world(std::move(world))
{
    ++m_world->aliveObjects;
    m_world->record(QStringLiteral("create Outlook.Application"));
}

FakeOutlookApplication::~FakeOutlookApplication()
{
    --m_world->aliveObjects;
}

std::shared_ptr<outlook::NameSpace> FakeOutlookApplication::GetNamespace(const QString& Type)
{
    m_world->record(QStringLiteral("Application.GetNamespace(%1)").arg(Type));
    return std::make_shared<FakeNameSpace>(m_world);
}

std::shared_ptr<outlook::Explorer> FakeOutlookApplication::ActiveExplorer()
{
    m_world->record(QStringLiteral("Application.ActiveExplorer"));
    if (m_world->selection.empty()) {
        return nullptr;
    }
    return std::make_shared<FakeExplorer>(m_world);
}

void FakeGrid::setRows(std::int32_t rows)
{
    cells.resize(static_cast<std::size_t>(rows), QStringList(cols));
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

void FakeContactsView::setProgressRange(float min, float max)
{
    progressMin = min;
    progressMax = max;
}

} // namespace addrell::testing

#include "FakeWord.h"

namespace addrell::testing {

QString describe(const Variant& value)
{
    switch (value.type()) {
    case Variant::Type::Empty:
        return QStringLiteral("empty");
    case Variant::Type::Boolean:
        return QStringLiteral("bool:") + value.toString();
    case Variant::Type::Integer:
        return QStringLiteral("i16:") + value.toString();
    case Variant::Type::Long:
        return QStringLiteral("i32:") + value.toString();
    case Variant::Type::Single:
        return QStringLiteral("single:") + value.toString();
    case Variant::Type::Double:
        return QStringLiteral("double:") + value.toString();
    case Variant::Type::String:
        return QStringLiteral("str:") + value.toString();
    case Variant::Type::Error:
        return value.isMissing() ? QStringLiteral("missing")
                                 : QStringLiteral("error:%1").arg(value.toError().scode);
    }
    return {};
}

void WordLog::record(const QString& call)
{
    calls << call;
    if (!failOn.isEmpty() && call.startsWith(failOn)) {
        throw AutomationError(-2146823680, QStringLiteral("The printer is out of envelopes."),
                              QStringLiteral("Fake Word"));
    }
}

void FakeEnvelope::PrintOut(const word::PrintOutArguments& arguments)
{
    m_log->lastPrintOut = arguments;
    m_log->record(QStringLiteral("Envelope.PrintOut"));
}

std::shared_ptr<word::Envelope> FakeDocument::Envelope()
{
    m_log->record(QStringLiteral("Document.Envelope"));
    return std::make_shared<FakeEnvelope>(m_log);
}

FakeWordApplication::FakeWordApplication(std::shared_ptr<WordLog> log) : m_log(std::move(log))
{
    ++m_log->applicationsCreated;
    ++m_log->applicationsAlive;
    m_log->record(QStringLiteral("create Word.Application"));
}

FakeWordApplication::~FakeWordApplication()
{
    --m_log->applicationsAlive;
}

std::shared_ptr<word::Documents> FakeWordApplication::Documents()
{
    m_log->record(QStringLiteral("Application.Documents"));
    return std::shared_ptr<word::Documents>(shared_from_this(), this);
}

std::shared_ptr<word::Document> FakeWordApplication::Add(const Variant& Template,
                                                         const Variant& NewTemplate,
                                                         const Variant& DocumentType,
                                                         const Variant& Visible)
{
    m_document = std::make_shared<FakeDocument>(m_log);
    m_log->record(QStringLiteral("Documents.Add(%1, %2, %3, %4)")
                      .arg(describe(Template), describe(NewTemplate), describe(DocumentType),
                           describe(Visible)));
    return m_document;
}

std::shared_ptr<word::Document> FakeWordApplication::ActiveDocument()
{
    m_log->record(QStringLiteral("Application.ActiveDocument"));
    return m_document;
}

void FakeWordApplication::Quit(const Variant& SaveChanges, const Variant& OriginalFormat,
                               const Variant& RouteDocument)
{
    // Only the application itself may still hold the document when it is told to quit.
    const bool documentReleased = m_document.use_count() <= 1;
    m_log->record(QStringLiteral("Application.Quit(%1, %2, %3) document released: %4")
                      .arg(describe(SaveChanges), describe(OriginalFormat), describe(RouteDocument),
                           documentReleased ? QStringLiteral("yes") : QStringLiteral("no")));
}

Variant FakeWordGlobal::InchesToPoints(const Variant& Inches)
{
    m_log->record(QStringLiteral("Global.InchesToPoints(%1)").arg(describe(Inches)));
    return Variant(Inches.toSingle() * 72.0F);
}

} // namespace addrell::testing

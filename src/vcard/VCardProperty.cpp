#include "vcard/VCardProperty.h"

#include <utility>

namespace addrell {

namespace {

// Unknown escapes keep their backslash: 2.1 writers put plain backslashes in values ("C:\temp").
QString unescape(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            result.append(c);
            continue;
        }
        const QChar next = text[i + 1];
        if (next == u'n' || next == u'N') {
            result.append(u'\n');
        } else if (next == u'\\' || next == u',' || next == u';' || next == u':') {
            result.append(next);
        } else {
            result.append(c);
            continue;
        }
        ++i;
    }
    return result;
}

} // namespace

VCardProperty::VCardProperty(QString group, QString name, QList<Parameter> parameters,
                             QString rawValue)
    : m_group(std::move(group)), m_name(std::move(name)), m_parameters(std::move(parameters)),
      m_rawValue(std::move(rawValue))
{
}

bool VCardProperty::sameName(QStringView a, QStringView b) noexcept
{
    return a.size() == b.size() && (a == b || a.compare(b, Qt::CaseInsensitive) == 0);
}

QStringList VCardProperty::parameterValues(QStringView name) const
{
    QStringList values;
    for (const Parameter& parameter : m_parameters) {
        if (sameName(parameter.name, name)) {
            values.append(parameter.value);
        }
    }
    return values;
}

bool VCardProperty::hasParameter(QStringView name, QStringView value) const
{
    for (const Parameter& parameter : m_parameters) {
        if (sameName(parameter.name, name) &&
            sameName(QStringView(parameter.value).trimmed(), value)) {
            return true;
        }
    }
    return false;
}

bool VCardProperty::hasType(QStringView type) const
{
    // Split by hand: this runs for every address of every card a folder loads.
    for (const Parameter& parameter : m_parameters) {
        if (!sameName(parameter.name, u"TYPE")) {
            continue;
        }
        QStringView rest(parameter.value);
        for (;;) {
            const qsizetype comma = rest.indexOf(u',');
            if (sameName((comma < 0 ? rest : rest.first(comma)).trimmed(), type)) {
                return true;
            }
            if (comma < 0) {
                break;
            }
            rest = rest.sliced(comma + 1);
        }
    }
    return false;
}

QString VCardProperty::value() const
{
    return m_rawValue.contains(u'\\') ? unescape(m_rawValue) : m_rawValue;
}

QStringList VCardProperty::components() const
{
    const QStringView raw(m_rawValue);
    qsizetype count = 1;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'\\') {
            ++i; // the escaped character never separates
        } else if (raw[i] == u';') {
            ++count;
        }
    }
    QStringList result;
    result.reserve(count);
    for (qsizetype start = 0, end = 0; start <= raw.size(); start = end + 1) {
        bool escaped = false;
        for (end = start; end < raw.size() && raw[end] != u';'; ++end) {
            if (raw[end] == u'\\') {
                escaped = true;
                ++end;
            }
        }
        end = qMin(end, raw.size());
        const QStringView part = raw.sliced(start, end - start);
        result.append(escaped ? unescape(part) : part.toString());
    }
    return result;
}

QString VCardProperty::component(qsizetype index) const
{
    const QStringList parts = components();
    return index < parts.size() ? parts[index] : QString();
}

std::vector<VCardProperty::Values> VCardProperty::componentValues() const
{
    const QStringView raw(m_rawValue);
    std::vector<Values> result;
    result.reserve(8); // an ADR has seven
    Values values;
    qsizetype start = 0;
    bool escaped = false;
    const auto endValue = [&](qsizetype end) {
        const QStringView value = raw.sliced(start, end - start);
        values.append(escaped ? unescape(value) : value.toString());
        start = end + 1;
        escaped = false;
    };
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == u'\\') {
            escaped = true;
            ++i; // the escaped character never separates
        } else if (c == u',') {
            endValue(i);
        } else if (c == u';') {
            endValue(i);
            result.push_back(std::move(values));
            values.clear();
        }
    }
    endValue(raw.size());
    result.push_back(std::move(values));
    return result;
}

} // namespace addrell

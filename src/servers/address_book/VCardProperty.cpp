#include "servers/address_book/VCardProperty.h"

#include <utility>

namespace addrell {

namespace {

// Unknown escapes keep their backslash: 2.1 writers put plain backslashes in values ("C:\temp").
QString unescape(QStringView text)
{
    if (!text.contains(u'\\')) {
        return text.toString(); // most values: one copy rather than a character at a time
    }
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
    return unescape(m_rawValue);
}

QStringList VCardProperty::components() const
{
    qsizetype count = 1;
    for (qsizetype i = 0; i < m_rawValue.size(); ++i) {
        if (m_rawValue[i] == u'\\') {
            ++i;
        } else if (m_rawValue[i] == u';') {
            ++count;
        }
    }
    QStringList result;
    result.reserve(count);
    qsizetype start = 0;
    for (qsizetype i = 0; i < m_rawValue.size(); ++i) {
        if (m_rawValue[i] == u'\\') {
            ++i; // the escaped character never separates
        } else if (m_rawValue[i] == u';') {
            result.append(unescape(QStringView(m_rawValue).sliced(start, i - start)));
            start = i + 1;
        }
    }
    result.append(unescape(QStringView(m_rawValue).sliced(start)));
    return result;
}

QString VCardProperty::component(qsizetype index) const
{
    const QStringList parts = components();
    return index < parts.size() ? parts[index] : QString();
}

} // namespace addrell

#include "servers/address_book/VCardProperty.h"

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

QStringList VCardProperty::parameterValues(QStringView name) const
{
    QStringList values;
    for (const Parameter& parameter : m_parameters) {
        if (parameter.name.compare(name, Qt::CaseInsensitive) == 0) {
            values.append(parameter.value);
        }
    }
    return values;
}

bool VCardProperty::hasType(QStringView type) const
{
    for (const QString& value : parameterValues(u"TYPE")) {
        for (const QStringView part : QStringView(value).split(u',')) {
            if (part.trimmed().compare(type, Qt::CaseInsensitive) == 0) {
                return true;
            }
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
    QStringList result;
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

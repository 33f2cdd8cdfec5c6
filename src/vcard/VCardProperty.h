#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

#include <vector>

namespace addrell {

// One content line of a vCard: `[group.]NAME;PARAM=value:value`, with its transfer encoding and
// charset already undone. The text escapes (`\,` `\;` `\n` `\\`) stay in rawValue() because the
// unescaped `;` separating components can only be told apart before unescaping.
class VCardProperty {
public:
    struct Parameter {
        QString name;  // upper case
        QString value; // one value; `TYPE=a,b` gives two parameters
    };

    VCardProperty(QString group, QString name, QList<Parameter> parameters, QString rawValue);

    [[nodiscard]] const QString& group() const noexcept { return m_group; }
    [[nodiscard]] const QString& name() const noexcept { return m_name; }
    [[nodiscard]] const QList<Parameter>& parameters() const noexcept { return m_parameters; }
    [[nodiscard]] const QString& rawValue() const noexcept { return m_rawValue; }

    // Whether two property or parameter names are the same without regard to case. Cheap for
    // names that differ in length or match exactly, as the upper-case names parsed here do.
    [[nodiscard]] static bool sameName(QStringView a, QStringView b) noexcept;

    // The values of every parameter called `name` (any case), in order.
    [[nodiscard]] QStringList parameterValues(QStringView name) const;
    // Whether a parameter called `name` has the value `value`, both in any case, blanks around
    // the value ignored.
    [[nodiscard]] bool hasParameter(QStringView name, QStringView value) const;
    // Whether TYPE lists `type` (any case), also when written `TYPE="a,b"` or bare as in 2.1.
    [[nodiscard]] bool hasType(QStringView type) const;

    // The whole value with the text escapes resolved.
    [[nodiscard]] QString value() const;
    // The value split on unescaped `;`, each component with its escapes resolved.
    [[nodiscard]] QStringList components() const;
    // The component at `index`, or an empty string when the value has fewer.
    [[nodiscard]] QString component(qsizetype index) const;
    // The value split on unescaped `;` into components and each of them on unescaped `,` into
    // its values, escapes resolved: N and ADR, whose every component may hold several values.
    // An escaped `\,` stays a comma within its value.
    // The values of one component: nearly always one, held without a list of their own, so a
    // card's structured values cost no allocation beyond their texts.
    using Values = QVarLengthArray<QString, 1>;
    // The value split on unescaped `;` into components and on unescaped `,` into values, each
    // with its escapes resolved.
    [[nodiscard]] std::vector<Values> componentValues() const;

private:
    QString m_group;
    QString m_name;
    QList<Parameter> m_parameters;
    QString m_rawValue;
};

} // namespace addrell

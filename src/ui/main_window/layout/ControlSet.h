#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include <stdexcept>

namespace addrell {

// The window's controls, built from the layout table and found by name ("lblstatus(1)" for an
// element of a control array).
class ControlSet {
public:
    // Creates every control of the table on `window`.
    [[nodiscard]] static ControlSet build(QWidget* window);

    template <typename T> [[nodiscard]] T* get(const QString& key) const
    {
        auto* control = qobject_cast<T*>(m_controls.value(key));
        if (control == nullptr) {
            throw std::logic_error("no control " + key.toStdString());
        }
        return control;
    }

private:
    QHash<QString, QWidget*> m_controls;
};

} // namespace addrell

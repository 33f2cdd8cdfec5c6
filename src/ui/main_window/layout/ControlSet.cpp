#include "ui/main_window/layout/ControlSet.h"

#include "ui/main_window/controls/FlexGrid.h"
#include "ui/main_window/controls/OptionButton.h"
#include "ui/main_window/controls/TabControl.h"
#include "ui/main_window/controls/TextBox.h"
#include "ui/main_window/layout/LayoutTable.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>

namespace addrell {

namespace {

QWidget* createWidget(const ControlLayout& layout, QWidget* parent)
{
    switch (layout.kind) {
    case ControlKind::CommandButton:
        return new QPushButton(layout.caption, parent);
    case ControlKind::Label: {
        auto* label = new QLabel(layout.caption, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::TextBox:
        return new TextBox(parent);
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        // Typed text must neither add an item nor select one: only a choice from the list does.
        // Qt would complete the text inline and, on Return or when the field loses the focus,
        // select the item it matches.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        QObject::disconnect(combo->lineEdit(), &QLineEdit::returnPressed, combo, nullptr);
        QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
        combo->setEditText(layout.caption);
        return combo;
    }
    case ControlKind::ListBox:
        return new QListWidget(parent);
    case ControlKind::OptionButton: {
        auto* option = new OptionButton(layout.caption, parent);
        option->setChecked(layout.has(ControlFlag::Selected));
        return option;
    }
    case ControlKind::Frame: {
        if (!layout.has(ControlFlag::Borderless)) {
            return new QGroupBox(layout.caption, parent);
        }
        auto* frame = new QFrame(parent);
        frame->setAccessibleName(layout.caption);
        return frame;
    }
    case ControlKind::PictureBox: {
        auto* picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (!layout.has(ControlFlag::Borderless)) {
            picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        }
        if (!layout.picture.isEmpty()) {
            // A picture larger than the box is cut at its right and bottom edges, not scaled.
            picture->setPixmap(QPixmap(layout.picture));
        }
        return picture;
    }
    case ControlKind::ProgressBar: {
        auto* progress = new QProgressBar(parent);
        progress->setRange(0, 100);
        progress->setValue(0);
        progress->setTextVisible(false);
        return progress;
    }
    case ControlKind::TabControl:
        return new TabControl(LayoutTable::tabCaptions(), parent);
    case ControlKind::Grid:
        return new FlexGrid(parent);
    }
    throw std::logic_error("unknown control kind");
}

QFont fontFor(const FontSpec& layout, const QFont& windowFont)
{
    if (layout.family.isEmpty()) {
        return windowFont;
    }
    QFont font(layout.family);
    font.setPointSizeF(layout.points);
    font.setBold(layout.bold);
    return font;
}

void applyColours(QWidget* widget, const ControlLayout& layout)
{
    QPalette palette = widget->palette();
    if (layout.background) {
        const QColor colour = QColor::fromRgb(*layout.background);
        palette.setColor(QPalette::Window, colour);
        palette.setColor(QPalette::Base, colour);
        widget->setAutoFillBackground(true);
    } else {
        // System colours: the desktop's, not the window's own pale yellow.
        palette.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Window));
    }
    // Text on a fixed background keeps a dark colour of its own: a dark desktop scheme's light
    // text would be unreadable on the pale colours.
    const std::optional<QRgb> foreground =
        layout.background ? layout.foreground.value_or(qRgb(0, 0, 0)) : layout.foreground;
    if (foreground) {
        const QColor colour = QColor::fromRgb(*foreground);
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
    }
    widget->setPalette(palette);
}

QWidget* containerFor(const ControlLayout& layout, QWidget* window,
                      const QHash<QString, QWidget*>& built)
{
    if (layout.container.isEmpty()) {
        return window;
    }
    QWidget* container = built.value(layout.container);
    if (container == nullptr) {
        throw std::logic_error("container listed after " + layout.key().toStdString());
    }
    if (layout.page >= 0) {
        return static_cast<TabControl*>(container)->page(layout.page);
    }
    return container;
}

// Where a control's Left and Top count from: a picture box's interior, inside its edge; every
// other container's outer corner.
QPoint originIn(const ControlLayout& layout, const QWidget* container)
{
    if (!layout.container.isEmpty() &&
        LayoutTable::control(layout.container).kind == ControlKind::PictureBox) {
        return container->contentsRect().topLeft();
    }
    return {};
}

} // namespace

ControlSet ControlSet::build(QWidget* window)
{
    ControlSet set;
    QWidget* previous = nullptr;
    for (const ControlLayout& layout : LayoutTable::controls()) {
        QWidget* container = containerFor(layout, window, set.m_controls);
        QWidget* widget = createWidget(layout, container);
        widget->setObjectName(layout.name);
        if (layout.index >= 0) {
            widget->setProperty("index", layout.index);
        }
        widget->setGeometry(QRect(LayoutTable::toPixels(layout.rect.left),
                                  LayoutTable::toPixels(layout.rect.top),
                                  LayoutTable::toPixels(layout.rect.width),
                                  LayoutTable::toPixels(layout.rect.height))
                                .translated(originIn(layout, container)));
        widget->setFont(fontFor(layout.font, window->font()));
        applyColours(widget, layout);
        widget->setToolTip(layout.toolTip);
        if (layout.has(ControlFlag::Hidden)) {
            widget->hide();
        }
        // The table is in tab order; only controls that can take the focus join the chain.
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, widget);
            }
            previous = widget;
        }
        set.m_controls.insert(layout.key(), widget);
    }
    return set;
}

} // namespace addrell

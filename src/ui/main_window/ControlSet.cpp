#include "ui/main_window/ControlSet.h"

#include "ui/main_window/FlexGrid.h"
#include "ui/main_window/LayoutTable.h"
#include "ui/main_window/OptionButton.h"
#include "ui/main_window/TabControl.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

namespace addrell {

namespace {

QWidget* createWidget(const ControlSpec& spec, QWidget* parent)
{
    switch (spec.kind) {
    case ControlKind::CommandButton:
        return new QPushButton(spec.caption, parent);
    case ControlKind::Label: {
        auto* label = new QLabel(spec.caption, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::TextBox: {
        auto* text = new QPlainTextEdit(parent);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->setTabChangesFocus(true);
        // A narrow margin, so a four-line address shows whole in the return address box.
        text->document()->setDocumentMargin(1);
        return text;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        // Typed text must neither add an item nor select one.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setEditText(spec.caption);
        return combo;
    }
    case ControlKind::ListBox:
        return new QListWidget(parent);
    case ControlKind::OptionButton: {
        auto* option = new OptionButton(spec.caption, parent);
        option->setChecked(spec.has(ControlFlag::Selected));
        return option;
    }
    case ControlKind::Frame: {
        if (!spec.has(ControlFlag::Borderless)) {
            return new QGroupBox(spec.caption, parent);
        }
        auto* frame = new QFrame(parent);
        frame->setAccessibleName(spec.caption);
        return frame;
    }
    case ControlKind::PictureBox: {
        auto* picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (!spec.has(ControlFlag::Borderless)) {
            picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        }
        if (!spec.picture.isEmpty()) {
            // A picture larger than the box is cut at its right and bottom edges, not scaled.
            picture->setPixmap(QPixmap(spec.picture));
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

QFont fontFor(const FontSpec& spec, const QFont& windowFont)
{
    if (spec.family.isEmpty()) {
        return windowFont;
    }
    QFont font(spec.family);
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    return font;
}

void applyColours(QWidget* widget, const ControlSpec& spec)
{
    QPalette palette = widget->palette();
    if (spec.background) {
        const QColor colour = QColor::fromRgb(*spec.background);
        palette.setColor(QPalette::Window, colour);
        palette.setColor(QPalette::Base, colour);
        widget->setAutoFillBackground(true);
    } else {
        // System colours: the desktop's, not the window's own pale yellow.
        palette.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Window));
    }
    if (spec.foreground) {
        const QColor colour = QColor::fromRgb(*spec.foreground);
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
    }
    widget->setPalette(palette);
}

QWidget* containerFor(const ControlSpec& spec, QWidget* window,
                      const QHash<QString, QWidget*>& built)
{
    if (spec.container.isEmpty()) {
        return window;
    }
    QWidget* container = built.value(spec.container);
    if (container == nullptr) {
        throw std::logic_error("container listed after " + spec.key().toStdString());
    }
    if (spec.page >= 0) {
        return static_cast<TabControl*>(container)->page(spec.page);
    }
    return container;
}

// Where a control's Left and Top count from: a picture box's interior, inside its edge; every
// other container's outer corner.
QPoint originIn(const ControlSpec& spec, const QWidget* container)
{
    if (!spec.container.isEmpty() &&
        LayoutTable::control(spec.container).kind == ControlKind::PictureBox) {
        return container->contentsRect().topLeft();
    }
    return {};
}

} // namespace

ControlSet ControlSet::build(QWidget* window)
{
    ControlSet set;
    QWidget* previous = nullptr;
    for (const ControlSpec& spec : LayoutTable::controls()) {
        QWidget* container = containerFor(spec, window, set.m_controls);
        QWidget* widget = createWidget(spec, container);
        widget->setObjectName(spec.name);
        if (spec.index >= 0) {
            widget->setProperty("index", spec.index);
        }
        widget->setGeometry(
            QRect(LayoutTable::toPixels(spec.rect.left), LayoutTable::toPixels(spec.rect.top),
                  LayoutTable::toPixels(spec.rect.width), LayoutTable::toPixels(spec.rect.height))
                .translated(originIn(spec, container)));
        widget->setFont(fontFor(spec.font, window->font()));
        applyColours(widget, spec);
        widget->setToolTip(spec.toolTip);
        if (spec.has(ControlFlag::Hidden)) {
            widget->hide();
        }
        // The table is in tab order; only controls that can take the focus join the chain.
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, widget);
            }
            previous = widget;
        }
        set.m_controls.insert(spec.key(), widget);
    }
    return set;
}

} // namespace addrell

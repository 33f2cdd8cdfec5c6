#include "ui/main_window/adapters/ContactDropFilter.h"

#include "servers/address_book/DroppedSelection.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <utility>

namespace addrell {

ContactDropFilter::ContactDropFilter(QWidget& window, std::function<void()> useContact)
    : QObject(&window), m_useContact(std::move(useContact))
{
    // A drop on a widget that takes none goes to the window.
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

bool ContactDropFilter::eventFilter(QObject* /*watched*/, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
        m_dragHoldsCards =
            DroppedSelection::holdsCards(*static_cast<QDragEnterEvent*>(event)->mimeData());
        [[fallthrough]];
    case QEvent::DragMove:
        if (!m_dragHoldsCards) {
            return false;
        }
        static_cast<QDragMoveEvent*>(event)->acceptProposedAction();
        return true;
    case QEvent::Drop: {
        if (!m_dragHoldsCards) {
            return false;
        }
        auto* drop = static_cast<QDropEvent*>(event);
        drop->acceptProposedAction();
        // The dragged data lives only as long as the event, and the source is not kept waiting
        // while Use Contact shows its messages or the chooser. Every format it reads is text.
        auto copy = std::make_shared<QMimeData>();
        for (const QString& format : drop->mimeData()->formats()) {
            if (format.startsWith(u"text/")) {
                copy->setData(format, drop->mimeData()->data(format));
            }
        }
        QTimer::singleShot(0, this, [this, copy] {
            const DroppedSelection selection(*copy);
            m_useContact();
        });
        return true;
    }
    default:
        return false;
    }
}

} // namespace addrell

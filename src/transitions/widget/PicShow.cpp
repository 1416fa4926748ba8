#include "transitions/widget/PicShow.h"

#include "transitions/widget/RasterImage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QThread>

namespace vm {
namespace {

// Posted by the worker when it ends, so that the end is handled on the GUI thread.
class ThreadDoneEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = QEvent::Type(QEvent::User + 1);
    explicit ThreadDoneEvent(uint64_t generation) : QEvent(kType), generation(generation) {}
    const uint64_t generation;
};

} // namespace

TPicShow::TPicShow(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(100, 100);
    HandleResize(100, 100);
    HandleVisibility(false);
}

TPicShow::~TPicShow() { Destroy(); } // stops a transition while the window still exists

void TPicShow::SetPictureImage(const QImage& image)
{
    if (image.isNull())
        ClearPicture();
    else
        SetPicture(BitmapFromImage(image));
}

void TPicShow::SetBgPictureImage(const QImage& image) { SetBgPicture(BitmapFromImage(image)); }

void TPicShow::paintEvent(QPaintEvent*)
{
    HandlePaint([this](const Bitmap& backBuffer) {
        QPainter painter(this);
        painter.drawImage(0, 0, ImageOnBitmap(backBuffer));
    });
}

void TPicShow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    HandleResize(width(), height());
}

void TPicShow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    HandleVisibility(true);
}

void TPicShow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    HandleVisibility(false);
}

void TPicShow::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    HandleMouseEnter();
}

void TPicShow::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    HandleMouseLeave();
}

bool TPicShow::event(QEvent* event)
{
    if (event->type() == ThreadDoneEvent::kType) {
        HandleThreadDone(static_cast<ThreadDoneEvent*>(event)->generation);
        return true;
    }
    return QWidget::event(event);
}

void TPicShow::RepaintNow()
{
    if (isVisible())
        repaint();
}

void TPicShow::ScheduleRepaint()
{
    QMetaObject::invokeMethod(this, [this] { update(); }, Qt::QueuedConnection);
}

void TPicShow::RequestPaintOnGuiThread()
{
    QMetaObject::invokeMethod(this, [this] { HandlePaintRequest(); }, Qt::QueuedConnection);
}

void TPicShow::PostThreadDone(uint64_t generation)
{
    QCoreApplication::postEvent(this, new ThreadDoneEvent(generation));
}

void TPicShow::DispatchPostedThreadDone() { QCoreApplication::sendPostedEvents(this, ThreadDoneEvent::kType); }

void TPicShow::ProcessMessages(int maxWaitMs)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (maxWaitMs > 0)
        QThread::msleep(1); // the rest of the frame period, in small slices
}

void TPicShow::SetClientSize(int width, int height)
{
    resize(width, height);
    HandleResize(width, height); // a hidden widget gets its resize event only when shown
}

} // namespace vm

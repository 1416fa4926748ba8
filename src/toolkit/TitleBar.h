#pragma once
// The title bar of our frameless windows: a menu button on the left (it opens
// the window's skin menu), the caption, and help, minimize and close buttons.
// Dragging it moves the window.
#include <QWidget>

class QLabel;
class QMenu;
class QToolButton;

namespace vm {

class TitleBar : public QWidget {
    Q_OBJECT
public:
    explicit TitleBar(QWidget* window);

    void setMenu(QMenu* menu);
    void setCaption(const QString& caption);

signals:
    void helpRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QWidget* window_;
    QToolButton* menuButton_;
    QLabel* caption_;
    QPoint dragOffset_;
};

} // namespace vm

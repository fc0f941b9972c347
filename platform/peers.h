// The Qt widgets behind windowed controls and forms; private to the layer.
#pragma once

#include <QWidget>

class TWinControl;
class TForm;

// The window of an ordinary windowed control: paints through the control and hands it every event.
class TWidgetPeer : public QWidget {
public:
    TWidgetPeer(TWinControl* control, QWidget* parent);
    TWinControl* Control() const { return FControl; }

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    TWinControl* FControl;
};

// The top-level window of a form: frame, menu bar and the client peer.
class TFormWindow : public QWidget {
public:
    explicit TFormWindow(TForm* form);
    TForm* Form() const { return FForm; }

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    TForm* FForm;
};

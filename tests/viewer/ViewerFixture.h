#pragma once
// A viewer with fake timers and message boxes, fed pictures and synthetic Qt input events.

#include "AL_ZoomImg.h"
#include "TestPictures.h"
#include "support/FakeClock.h"
#include "support/FakeMessageBox.h"
#include "support/FakeTimer.h"

#include <QApplication>
#include <QBuffer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

class ViewerTest : public testing::Test {
protected:
    FakeClock Clock;
    FakeTimerFactory Timers{Clock};
    FakeMessageBox Boxes;
    QWidget Parent;
    TALZoomImage* View = new TALZoomImage(&Parent);

    ViewerTest() {
        Parent.resize(400, 300);
        View->resize(400, 300);
    }

    bool LoadBytes(const QByteArray& data, bool isJpeg) {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        buffer.seek(buffer.size()); // a load always reads from the start
        return View->LoadFromStream(&buffer, isJpeg);
    }
    bool Load(const QImage& picture) { return LoadBytes(EncodeBmp(picture, 24, false), false); }
    void LoadPlain(int width, int height, char label = 'a') {
        QImage picture(width, height, QImage::Format_RGB888);
        picture.fill(LabelColor(label));
        Load(picture);
    }
    // Moves the centre to (x, y) the way a caller can: by dragging the picture.
    void CentreOn(double x, double y) { View->DragPicture(View->xCent() - x, View->yCent() - y); }
    QImage Frame() {
        View->Paint();
        return View->BackBuffer();
    }

    void Send(QEvent& event) { QApplication::sendEvent(View, &event); }
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {}) {
        QMouseEvent event(QEvent::MouseButtonPress, at, View->mapToGlobal(at), button, button, keys);
        Send(event);
    }
    void DoubleClick(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QMouseEvent event(QEvent::MouseButtonDblClick, at, View->mapToGlobal(at), button, button, {});
        Send(event);
    }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QMouseEvent event(QEvent::MouseButtonRelease, at, View->mapToGlobal(at), button, Qt::NoButton, {});
        Send(event);
    }
    void Click(QPoint at) {
        Press(at);
        Release(at);
    }
    void Move(QPoint to, Qt::MouseButtons held = Qt::NoButton, Qt::KeyboardModifiers keys = {}) {
        QMouseEvent event(QEvent::MouseMove, to, View->mapToGlobal(to), Qt::NoButton, held, keys);
        Send(event);
    }
    void Enter(QPoint at = {200, 150}) {
        QEnterEvent event(at, at, View->mapToGlobal(at));
        Send(event);
    }
    void Leave() {
        QEvent event(QEvent::Leave);
        Send(event);
    }
    void Wheel(int delta, QPoint at = {200, 150}) {
        QWheelEvent event(at, View->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        Send(event);
    }
};

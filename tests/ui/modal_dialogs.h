// SPDX-License-Identifier: MIT
// Drives the modal dialogs a widget test opens, so that none is left hanging.
#pragma once

#include "hang_guard.h"
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Runs the action on the next modal dialog; when none opens, or one stays
// open, the test fails instead of hanging.
inline void onNextModal(std::function<void(QDialog*)> action)
{
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            action(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the modal dialog stayed open";
                dialog->reject();
            }
        } else if (clock->elapsed() < HangGuard::StepMs) {
            return;
        } else {
            ADD_FAILURE() << "no modal dialog opened";
            timer->stop();
        }
        timer->deleteLater();
        delete clock;
    });
    timer->start(10);
}

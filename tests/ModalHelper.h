#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Answers the next modal window of type T that opens: waits for it, lets
// `accio` inspect it, then closes it. Returns a flag that tells whether one
// was seen. The watch ends with `context`, or after `intents` looks.
template <typename T = QWidget>
std::shared_ptr<bool> RespondreModal(std::function<void(QWidget *)> accio = {},
                                     QObject *context = nullptr, int intents = 500)
{
    auto vist = std::make_shared<bool>(false);
    auto *temporitzador = new QTimer(context ? context : qApp);
    auto restants = std::make_shared<int>(intents);
    QObject::connect(temporitzador, &QTimer::timeout, qApp, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !qobject_cast<T *>(modal)) {
            if (--*restants <= 0)
                temporitzador->deleteLater();
            return;
        }
        temporitzador->stop();
        temporitzador->deleteLater();
        *vist = true;
        if (accio)
            accio(modal);
        if (!modal->isVisible())
            return;
        if (auto *dialeg = qobject_cast<QDialog *>(modal))
            dialeg->reject();
        else
            modal->close();
    });
    temporitzador->start(5);
    return vist;
}

#pragma once

class QString;
class QWidget;

// Shows an error message in a message box and waits until it is closed.
void InformarError(QWidget *pare, const QString &missatge);

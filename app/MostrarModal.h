#pragma once

class QDialog;
class QWidget;

// Shows `dialeg` modally in front of the window it is opened from: the
// modal window showing now, else `finestra`; the focus comes back there.
void MostrarModal(QDialog &dialeg, QWidget *finestra);

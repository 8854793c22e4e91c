#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFormJocs;
}

// The small window of the timed games: it asks whether the learner is ready
// before a game and shows the result after it. It has no behaviour of its
// own; the main window sets its title and its label before each showing.
class TFormJocs : public QDialog
{
    Q_OBJECT

public:
    explicit TFormJocs(QWidget *parent = nullptr);
    ~TFormJocs() override;

    const std::unique_ptr<Ui::TFormJocs> ui;
};

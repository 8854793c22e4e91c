#pragma once

#include <QWidget>

class QToolButton;

// A horizontal pair of arrows that steps a number shown beside it. Each press
// reports which half was pressed; the owner decides what the step does.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    enum class Boto { Anterior, Seguent };

    explicit UpDown(QWidget *parent = nullptr);

    QToolButton *fletxa(Boto boto) const;

signals:
    void Click(UpDown::Boto boto);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_anterior;
    QToolButton *m_seguent;
};

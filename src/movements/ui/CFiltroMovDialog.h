#pragma once

#include <QDateTime>
#include <QDialog>

class QDateTimeEdit;

// "Filtro Dati": the period the movements list shows.
class CFiltroMovDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on the whole current year: 1 January 00:00:00 to 31 December 23:59:59.
    explicit CFiltroMovDialog(QWidget* parent = nullptr);

    QDateTime start() const;
    QDateTime end() const;
    QDateTimeEdit* startEdit() const { return m_start; }
    QDateTimeEdit* endEdit() const { return m_end; }

private:
    QDateTimeEdit* m_start;
    QDateTimeEdit* m_end;
};

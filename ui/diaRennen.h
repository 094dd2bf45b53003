#pragma once
// "Rennparameter": the stored race name, opened by a double click on a ranking option.

#include <QDialog>

class QLineEdit;
class Rennleitung;

class diaRennen : public QDialog {
    Q_OBJECT
public:
    explicit diaRennen(Rennleitung& leitung, QWidget* parent = nullptr);
    QLineEdit* rennName() const { return m_name; }
    void OK_Click();

private:
    Rennleitung& m_leitung;
    QLineEdit* m_name;
};

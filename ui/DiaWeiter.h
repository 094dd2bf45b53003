#pragma once
// The confirmation box: a message with OK and Abbrechen; OK answers true.

#include <QDialog>

class QLabel;

class DiaWeiter : public QDialog {
    Q_OBJECT
public:
    explicit DiaWeiter(const QString& text, QWidget* parent = nullptr);
    QString text() const;

private:
    QLabel* m_text;
};

#pragma once
// The window "Debug Infos": mirrors the debug log (newest line on top) and saves it to
// ltfPfad + "pistorelle.log". Closing it switches the log off until the next start with the
// switch.

#include <QWidget>

class QListWidget;
class QPushButton;

class frmDebug : public QWidget {
    Q_OBJECT
public:
    explicit frmDebug(const QString& ltfPfad = QString(), QWidget* parent = nullptr);

    void setLtfPfad(const QString& ltfPfad) { m_ltfPfad = ltfPfad; }
    QString ltfPfad() const { return m_ltfPfad; }

    QListWidget* List1 = nullptr;
    QPushButton* cmdClearLog = nullptr;
    QPushButton* cmdSchreibeLog = nullptr;

public slots:
    void ClearLog();
    // False (after showing the error) when the file could not be written.
    bool SchreibeLog();

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    // Shows the platform's error text of a failed write; tests replace the message box.
    virtual void zeigeFehler(const QString& text);

private:
    void neueZeile(const QString& zeile);

    QString m_ltfPfad;
};

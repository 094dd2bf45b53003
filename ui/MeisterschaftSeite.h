#pragma once
// The page "Meisterschaft" of the tournament dialog: the standings of a series over all its
// tournaments, the points rules (saved as settings), and the report as HTML or PDF.

#include <QWidget>

#include "tournament/Meisterschaft.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class Turnier;

class MeisterschaftSeite : public QWidget {
    Q_OBJECT
public:
    explicit MeisterschaftSeite(Turnier& turnier, QWidget* parent = nullptr);

    QString serie() const;
    void waehleSerie(const QString& serie);
    // Reads the series list and the table again.
    void aktualisiere();
    // Both write into the output folder; the path, or empty after a message.
    QString schreibeHtml();
    QString schreibePdf();

signals:
    void berichtGeschrieben(const QString& pfad);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void regelnGeaendert();
    void zeigeTabelle();
    Meisterschaft::Regeln regeln() const;

    Turnier& m_turnier;
    QComboBox* m_serie = nullptr;
    QLineEdit* m_punkte = nullptr;
    QSpinBox* m_bonus = nullptr;
    QSpinBox* m_streich = nullptr;
    QTableWidget* m_tabelle = nullptr;
    QLabel* m_hinweis = nullptr;
    bool m_fuellt = false;
};

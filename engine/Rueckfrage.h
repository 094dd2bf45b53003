#pragma once
// Questions and messages of the engine. Dialogs answer them in the program, scripts in tests.

#include <QString>
#include <QStringList>

class Rueckfrage {
public:
    virtual ~Rueckfrage() = default;
    // A yes/no question (the confirmation dialog "DiaWeiter"); true = yes/OK.
    virtual bool frage(const QString& text) = 0;
    // A choice among the buttons given, as they are captioned, besides one that cancels: the
    // index of the button pressed, -1 for cancel. Asked as a yes/no question where only
    // such questions can be answered: yes takes the first button.
    virtual int wahl(const QString& text, const QStringList& knoepfe) {
        return !knoepfe.isEmpty() && frage(text) ? 0 : -1;
    }
    // A notice the user must read; never blocks race timing for long in the real program.
    virtual void meldung(const QString& text) = 0;
    // A notice the user confirms before anything goes on (the program's end: what it says
    // must be readable before the window goes).
    virtual void hinweis(const QString& text) { meldung(text); }
    // The question still open has been overtaken (the run it asks about has ended meanwhile):
    // it goes without an answer, and frage() returns false.
    virtual void frageZurueckziehen() {}
    // A notice about the timing hardware. With ersetzen it takes the place of the timing
    // notice still shown (a new state replaces the last one, never a pile of boxes); without
    // it, it is added to that notice as a line of its own.
    virtual void zeitnahmeMeldung(const QString& text, bool ersetzen) {
        (void)ersetzen;
        meldung(text);
    }
};

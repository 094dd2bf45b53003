#pragma once
// Gives the main window its windows: options, table editor, lap tables, drivers and cars.

class ProgrammStart;

void verbindeFenster(ProgrammStart& start);

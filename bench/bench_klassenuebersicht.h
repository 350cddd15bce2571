#pragma once
// The class overview on a folder of 30 pupils with 1,000 exercises each:
// "klassenuebersicht_open_ms", from the menu command to the window drawn with its table,
// must stay below a second.

// Prints its figures, one "name value" a line.
int runKlassenuebersicht();

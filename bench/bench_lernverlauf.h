#pragma once
// The progress window on a record of 10,000 exercises: "lernverlauf_open_ms", from the
// loaded record to the window drawn with both charts, must stay below a second.

// Prints its figures, one "name value" a line.
int runLernverlauf();

#pragma once
// "Lücken setzen" with every phenomenon on a text of 100,000 words: "luecken_100000_words_ms"
// must stay below 500 ms.

// Prints its figures, one "name value" a line.
int runLuecken();

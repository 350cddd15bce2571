#pragma once
// The evaluation of a whole German dictionary (Debian's "wngerman" word list, about
// 300,000 words) as a text: "auswertung_form_s" must stay below 2 seconds.

// Prints its figures, one "name value" a line; non-zero when the list is missing.
int runAuswertung();

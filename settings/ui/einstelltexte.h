#pragma once
// The settings dialog's captions that follow the language shown.

class TForm10;

// Names the captions that have no member of their own (the group boxes, the labels above
// the track bars and beside the gap characters) as the form designer named them, and sets
// the captions, through tr(), now and again whenever the language changes.
void einstellTexteNachfuehren(TForm10 &form);

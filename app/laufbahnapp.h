#pragma once
// The application object: creates the program's forms in their start-up order, the
// main window first, and keeps them until the program ends.

#include <memory>

class TForm2;
class TForm3;
class TForm5;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm14;
class TForm16;
class TForm17;
class TForm15;
class TForm18;
class TForm19;
class TFormLernverlauf;
class TForm_black;
class Vorleser;

class LaufbahnApp {
public:
    // Needs a QApplication. The start directory is the current directory.
    LaufbahnApp();
    ~LaufbahnApp();
    LaufbahnApp(const LaufbahnApp &) = delete;
    LaufbahnApp &operator=(const LaufbahnApp &) = delete;

    // The spoken dictation's voice, made before the forms that use it and kept after them.
    std::unique_ptr<Vorleser> vorleser;
    // In start-up order; destroyed in reverse.
    std::unique_ptr<TForm3> Form3;
    std::unique_ptr<TForm10> Form10;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm5> Form5;
    std::unique_ptr<TForm7> Form7;
    std::unique_ptr<TForm8> Form8;
    std::unique_ptr<TForm9> Form9;
    std::unique_ptr<TForm11> Form11;
    std::unique_ptr<TForm12> Form12;
    std::unique_ptr<TForm13> Form13;
    std::unique_ptr<TForm14> Form14;
    std::unique_ptr<TForm16> Form16;
    std::unique_ptr<TForm17> Form17;
    std::unique_ptr<TForm15> Form15;
    std::unique_ptr<TForm18> Form18;
    std::unique_ptr<TFormLernverlauf> FormLernverlauf;
    std::unique_ptr<TForm_black> Form_black;
    std::unique_ptr<TForm19> Form19; // the Spanish captions
};

// The one application object, for the forms that reach each other.
LaufbahnApp &laufbahn();

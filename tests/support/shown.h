#pragma once
// A form shown on the screen for the length of a test, as a user meets it.

#include <QTest>

namespace testing {

template <class Form> struct Shown {
    Form form;
    Shown()
    {
        form.show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&form);
    }
};

} // namespace testing

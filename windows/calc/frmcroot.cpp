// The cube-root window: the root is a power with the exponent 1.0 / 3.0, the
// double nearest a third, so a perfect cube may land a hair off its root
// before the 15-digit display rounds it. A negative number fails.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const Control controls[] = {
    // name       kind       caption               left  top   width height tab font     frame    names
    {"Command2", Button,    "Reset",               1080, 1680, 1455, 495, 4},
    {"Command1", Button,    "Calculate",           3120, 1680, 1455, 495, 3},
    {"txt2",     TextField, "",                    3120, 2640, 1695, 390, 0},
    {"txt1",     TextField, "",                    3120, 840,  1695, 390, 2},
    {"Label2",   Label,     "The cube root is:",   840,  2715, 1695, 375, 5, nullptr, nullptr, "txt2"},
    {"Label1",   Label,     "Enter the number",    840,  900,  1815, 375, 1, nullptr, nullptr, "txt1"},
};

const FormDesign design{"frmcroot", "Cube root", 6930, 4800, &ComicSans, controls};

class frmcroot : public Form {
public:
    explicit frmcroot(const NumberLocale& locale) : Form(design, locale)
    {
        onClick("Command1", [this] { Command1_Click(); });
        onClick("Command2", [this] { Command2_Click(); });
    }

private:
    void Form_Load() override { lock({"txt2"}); }

    // Calculate.
    void Command1_Click()
    {
        const FieldValue x = lenient("txt1");
        const FieldValue e = FieldValue(1.0) / FieldValue(3.0);
        write("txt2", power(x, e));
    }

    // Reset.
    void Command2_Click() { clear({"txt1", "txt2"}); }
};

} // namespace

std::unique_ptr<Form> make_frmcroot(const NumberLocale& locale) { return std::make_unique<frmcroot>(locale); }

} // namespace qv::windows

// The square-root window: the root is a power with the exponent one half,
// read leniently, so any text is a number and only a negative one fails.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const Control controls[] = {
    // name       kind       caption               left  top   width height tab font     frame    names
    {"txt2",     TextField, "",                    3360, 2640, 1695, 390, 4},
    {"Command2", Button,    "Calculate",           3360, 1680, 1335, 495, 2},
    {"Command1", Button,    "Reset",               1320, 1680, 1335, 495, 3},
    {"txt1",     TextField, "",                    3240, 480,  1695, 390, 1},
    {"Label2",   Label,     "The square root is",  840,  2690, 1935, 375, 5, nullptr, nullptr, "txt2"},
    {"Label1",   Label,     "Enter the number",    600,  480,  1935, 375, 0, nullptr, nullptr, "txt1"},
};

const FormDesign design{"frmsqroot", "Square root", 6990, 4635, &ComicSans, controls};

class frmsqroot : public Form {
public:
    explicit frmsqroot(const NumberLocale& locale) : Form(design, locale)
    {
        onClick("Command2", [this] { Command2_Click(); });
        onClick("Command1", [this] { Command1_Click(); });
    }

private:
    void Form_Load() override { lock({"txt2"}); }

    void Command2_Click()
    {
        const FieldValue x = lenient("txt1");
        const FieldValue e = FieldValue(1.0) / FieldValue(2.0);
        write("txt2", power(x, e));
    }

    void Command1_Click() { clear({"txt1", "txt2"}); }
};

} // namespace

std::unique_ptr<Form> make_frmsqroot(const NumberLocale& locale) { return std::make_unique<frmsqroot>(locale); }

} // namespace qv::windows

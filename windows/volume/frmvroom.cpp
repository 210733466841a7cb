// The room's volume window: length times breadth times height, each read leniently.
// Here Command1 calculates and Command2 resets.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const Control controls[] = {
    // name       kind       caption                        left  top   width height tab
    {"Command2", Button,    "Reset",                       840,  3120, 1455, 495, 6},
    {"Command1", Button,    "Calculate",                   2880, 3120, 1455, 495, 5},
    {"txt2",     TextField, "",                            2760, 1440, 1695, 390, 3},
    {"txt3",     TextField, "",                            2760, 2280, 1695, 390, 4},
    {"txt4",     TextField, "",                            3120, 4080, 1695, 390, 0},
    {"txt1",     TextField, "",                            2760, 600,  1695, 390, 2},
    {"Label4",   Label,     "The volume of the room is ",  480,  4080, 2535, 375, 9, nullptr, nullptr, "txt4"},
    {"Label3",   Label,     "Enter the height",            480,  2400, 1935, 255, 8, nullptr, nullptr, "txt3"},
    {"Label2",   Label,     "Enter the breadth",           480,  1440, 1815, 375, 7, nullptr, nullptr, "txt2"},
    {"Label1",   Label,     "Enter the length",            480,  600,  1575, 375, 1, nullptr, nullptr, "txt1"},
};

// The room window has no title.
const FormDesign design{"frmvroom", "", 6930, 4800, &ComicSans, controls};

class frmvroom : public Form {
public:
    explicit frmvroom(const NumberLocale& locale) : Form(design, locale)
    {
        onClick("Command1", [this] { Command1_Click(); });
        onClick("Command2", [this] { Command2_Click(); });
    }

private:
    void Form_Load() override { lock({"txt4"}); }

    // All three are read before any arithmetic; (l * b) * h.
    void Command1_Click()
    {
        const FieldValue l = lenient("txt1");
        const FieldValue b = lenient("txt2");
        const FieldValue h = lenient("txt3");
        const FieldValue volume = (l * b) * h;
        write("txt4", volume);
    }

    void Command2_Click() { clear({"txt1", "txt2", "txt3", "txt4"}); }
};

} // namespace

std::unique_ptr<Form> make_frmvroom(const NumberLocale& locale) { return std::make_unique<frmvroom>(locale); }

} // namespace qv::windows

// The cube's volume window: the edge, read leniently, multiplied by itself twice.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const Control controls[] = {
    // name       kind       caption                         left  top   width height tab
    {"txt1",     TextField, "",                             3360, 600,  1695, 390, 2},
    {"txt4",     TextField, "",                             3600, 2520, 1695, 390, 0},
    {"Command2", Button,    "Calcuate",                     3120, 1560, 1215, 495, 3},
    {"Command1", Button,    "Reset",                        960,  1560, 1215, 495, 4},
    {"Label4",   Label,     "The volume of the cube is ",   600,  2520, 2535, 375, 5, nullptr, nullptr, "txt4"},
    {"Label1",   Label,     "Enter the length of the cube", 360,  600,  2655, 495, 1, nullptr, nullptr, "txt1"},
};

const FormDesign design{"frmvcube", "Volume of a cube", 5925, 3705, &ComicSans, controls};

class frmvcube : public Form {
public:
    explicit frmvcube(const NumberLocale& locale) : Form(design, locale)
    {
        onClick("Command2", [this] { Command2_Click(); });
        onClick("Command1", [this] { Command1_Click(); });
    }

private:
    void Form_Load() override { lock({"txt4"}); }

    // (v * v) * v, two multiplications rather than a power: the digits follow this order.
    void Command2_Click()
    {
        const FieldValue v = lenient("txt1");
        const FieldValue volume = (v * v) * v;
        write("txt4", volume);
    }

    void Command1_Click() { clear({"txt1", "txt4"}); }
};

} // namespace

std::unique_ptr<Form> make_frmvcube(const NumberLocale& locale) { return std::make_unique<frmvcube>(locale); }

} // namespace qv::windows

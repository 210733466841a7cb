// The sphere's volume window: 4/3 pi r^3 with pi as 22/7, written as
// (((88 * r) * r) * r) / 21 and evaluated in exactly that order.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const Control controls[] = {
    // name       kind       caption                          left  top   width height tab
    {"Command2", Button,    "Calculate",                     2640, 1560, 1455, 495, 2},
    {"Command1", Button,    "Reset",                         600,  1560, 1455, 495, 3},
    {"txt2",     TextField, "",                              3600, 2520, 1695, 390, 0},
    {"txt1",     TextField, "",                              2880, 720,  1695, 390, 1},
    {"Label2",   Label,     "The volume of the sphere is ",  480,  2520, 2655, 495, 5, nullptr, nullptr, "txt2"},
    {"Label1",   Label,     "Give the radius",               480,  720,  1695, 375, 4, nullptr, nullptr, "txt1"},
};

const FormDesign design{"frmvsph", "Volume of a sphere", 6075, 3660, &ComicSans, controls};

class frmvsph : public Form {
public:
    explicit frmvsph(const NumberLocale& locale) : Form(design, locale)
    {
        onClick("Command2", [this] { Command2_Click(); });
        onClick("Command1", [this] { Command1_Click(); });
    }

private:
    void Form_Load() override { lock({"txt2"}); }

    // The product is formed before the division, so it can overflow even
    // where the volume itself would fit; the last digit depends on this order.
    void Command2_Click()
    {
        const FieldValue r = lenient("txt1");
        const FieldValue volume = (((FieldValue(88) * r) * r) * r) / FieldValue(21);
        write("txt2", volume);
    }

    void Command1_Click() { clear({"txt1", "txt2"}); }
};

} // namespace

std::unique_ptr<Form> make_frmvsph(const NumberLocale& locale) { return std::make_unique<frmvsph>(locale); }

} // namespace qv::windows

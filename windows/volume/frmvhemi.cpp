// The hemisphere's volume window: 2/3 pi r^3 with pi as 22/7, written as
// (((44 * r) * r) * r) / 21 and evaluated in exactly that order.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const Control controls[] = {
    // name       kind       caption                               left  top   width height tab
    {"txt2",     TextField, "",                                   3960, 2760, 1695, 390, 0},
    {"Command2", Button,    "Calculate",                          2880, 1680, 1455, 495, 3},
    {"Command1", Button,    "Reset",                              720,  1680, 1455, 495, 4},
    {"txt1",     TextField, "",                                   2880, 720,  1695, 390, 2},
    {"Label2",   Label,     "The volume of the hemi-sphere is",   480,  2760, 3015, 495, 5, nullptr, nullptr, "txt2"},
    {"Label1",   Label,     "Give the radius",                    480,  720,  1695, 375, 1, nullptr, nullptr, "txt1"},
};

const FormDesign design{"frmvhemi", "Volume of a hemi-sphere", 6900, 4935, &ComicSans, controls};

class frmvhemi : public Form {
public:
    explicit frmvhemi(const NumberLocale& locale) : Form(design, locale)
    {
        onClick("Command2", [this] { Command2_Click(); });
        onClick("Command1", [this] { Command1_Click(); });
    }

private:
    void Form_Load() override { lock({"txt2"}); }

    // As in the sphere window: the whole product first, the division last.
    void Command2_Click()
    {
        const FieldValue r = lenient("txt1");
        const FieldValue volume = (((FieldValue(44) * r) * r) * r) / FieldValue(21);
        write("txt2", volume);
    }

    void Command1_Click() { clear({"txt1", "txt2"}); }
};

} // namespace

std::unique_ptr<Form> make_frmvhemi(const NumberLocale& locale) { return std::make_unique<frmvhemi>(locale); }

} // namespace qv::windows

// The circle window: area and circumference from the radius, with 22/7 for pi.
// The radius text takes part in every product directly and is read strictly
// each time; the division by 7 always comes last.
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const Control controls[] = {
    // name       kind       caption                                    left  top   width height tab font     frame     names
    {"Frame1",   Frame,     "Area of a circle",                          0,    0,    6735, 4335, 5},
    {"txt3",     TextField, "",                                          3120, 1920, 1695, 375,  0, nullptr, "Frame1"},
    {"txt1",     TextField, "",                                          3120, 600,  1695, 375,  1, nullptr, "Frame1"},
    {"txt2",     TextField, "",                                          3120, 1320, 1695, 375,  2, nullptr, "Frame1"},
    {"Command1", Button,    "Calculate",                                 3360, 3000, 1455, 495,  3, nullptr, "Frame1"},
    {"Command2", Button,    "Reset",                                     1080, 3000, 1455, 495,  4, nullptr, "Frame1"},
    {"Label3",   Label,     "The circumference of the circle is ",       360,  2040, 2415, 375,  8, nullptr, "Frame1", "txt3"},
    {"Label1",   Label,     "Enter the radius of the circle in m : ",    360,  720,  2415, 255,  7, nullptr, "Frame1", "txt1"},
    {"Label2",   Label,     "The area of the circle is : ",              360,  1320, 1815, 255,  6, nullptr, "Frame1", "txt2"},
};

const FormDesign design{"frmcir", "Area of a circle", 6735, 4335, nullptr, controls};

class frmcir : public Form {
public:
    explicit frmcir(const NumberLocale& locale) : Form(design, locale)
    {
        onClick("Command1", [this] { Command1_Click(); });
        onClick("Command2", [this] { Command2_Click(); });
    }

private:
    void Form_Load() override { lock({"txt2", "txt3"}); }

    // Calculate: the area is written before the circumference is computed.
    void Command1_Click()
    {
        const FieldValue r = text("txt1");
        const FieldValue area = ((FieldValue(22) * r) * r) / FieldValue(7);
        write("txt2", area);
        const FieldValue circumference = (FieldValue(44) * r) / FieldValue(7);
        write("txt3", circumference);
    }

    // Reset.
    void Command2_Click() { clear({"txt1", "txt2", "txt3"}); }
};

} // namespace

std::unique_ptr<Form> make_frmcir(const NumberLocale& locale) { return std::make_unique<frmcir>(locale); }

} // namespace qv::windows

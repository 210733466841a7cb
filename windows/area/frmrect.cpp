// The rectangle's area window: length times breadth, both texts read strictly
// as they take part in the product (an empty field is a conversion failure).
#include "forms.h"

using namespace qv::frame;

namespace qv::windows {
namespace {

const Control controls[] = {
    // name       kind       caption                                      left  top   width height tab font     frame     names
    {"Frame1",   Frame,     "Area of a rectangle",                         0,    0,    7215, 5295, 1},
    {"txt1",     TextField, "",                                            3480, 600,  1695, 375,  2, nullptr, "Frame1"},
    {"txt2",     TextField, "",                                            3480, 1440, 1695, 375,  3, nullptr, "Frame1"},
    {"txt3",     TextField, "",                                            3480, 3240, 1695, 375,  0, nullptr, "Frame1"},
    {"cmd2",     Button,    "Calculate",                                   3480, 2280, 1575, 495,  4, nullptr, "Frame1"},
    {"cmd1",     Button,    "Reset",                                       1200, 2280, 1575, 495,  5, nullptr, "Frame1"},
    {"Label3",   Label,     "The area of the rectangle in sq m is : ",     480,  3240, 2655, 255,  8, nullptr, "Frame1", "txt3"},
    {"Label2",   Label,     "Give the breadth of the rectangle in m :",    360,  1440, 2895, 255,  7, nullptr, "Frame1", "txt2"},
    {"Label1",   Label,     "Give the length of the rectangle in m :",     360,  600,  2775, 255,  6, nullptr, "Frame1", "txt1"},
};

const FormDesign design{"frmrect", "Area of a rectangle", 7230, 5310, nullptr, controls};

class frmrect : public Form {
public:
    explicit frmrect(const NumberLocale& locale) : Form(design, locale)
    {
        onClick("cmd2", [this] { cmd2_Click(); });
        onClick("cmd1", [this] { cmd1_Click(); });
    }

private:
    void Form_Load() override { lock({"txt3"}); }

    // Calculate: the length's text times the breadth's.
    void cmd2_Click()
    {
        const FieldValue l = text("txt1");
        const FieldValue b = text("txt2");
        write("txt3", l * b);
    }

    // Reset.
    void cmd1_Click() { clear({"txt1", "txt2", "txt3"}); }
};

} // namespace

std::unique_ptr<Form> make_frmrect(const NumberLocale& locale) { return std::make_unique<frmrect>(locale); }

} // namespace qv::windows

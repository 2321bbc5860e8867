// The parameter record as an empty settings file leaves it, written by the
// driver itself: it reads and writes no settings file.
#include "driver.h"

namespace velmora::cli {

namespace {

struct Field {
    int position;
    int length;
    const char* value;
};

constexpr Field kDefaults[] = {
    {21, 3, "011"},  {24, 3, "001"},  {27, 1, "N"},    {43, 4, "0"},          {47, 15, "32768"},
    {62, 4, "0001"}, {66, 1, "Y"},    {67, 1, "Y"},    {68, 6, "20000"},      {74, 2, "10"},
    {76, 1, "N"},    {77, 30, "Player 1"}, {120, 2, "01"}, {122, 6, "0"},    {128, 1, "F"},
    {135, 1, "Y"},   {136, 1, "Y"},   {137, 1, "0"},   {141, 1, "Y"},         {142, 1, "Y"},
    {143, 1, "Y"},   {144, 1, "Y"},   {145, 1, "Y"},   {146, 1, "Y"},         {147, 1, "Y"},
    {148, 1, "Y"},   {149, 1, "Y"},   {151, 1, "Y"},   {152, 1, "N"},         {171, 1, "Y"},
    {172, 2, "10"},  {174, 1, "Y"},   {175, 1, "Y"},   {176, 1, "Y"},         {177, 1, "Y"},
    {178, 1, "Y"},   {179, 1, "N"},   {180, 1, "Y"},   {181, 1, "Y"},         {182, 1, "Y"},
    {183, 1, "Y"},   {184, 1, "Y"},   {185, 1, "N"},   {186, 1, "Y"},         {187, 1, "N"},
    {188, 1, "N"},   {189, 50, "Freecell"}, {239, 1, "Y"}, {241, 1, "Y"},    {242, 1, "Y"},
    {243, 1, "Y"},   {244, 1, "Y"},   {245, 1, "N"},   {246, 1, "N"},         {247, 1, "N"},
    {248, 1, "N"},   {249, 1, "Y"},   {251, 1, "N"},   {252, 1, "Y"},         {253, 1, "Y"},
    {255, 1, "Y"},
};

}  // namespace

void WriteDefaultSettings(Engine& e) {
    for (const Field& f : kDefaults) e.params.ParamWrite(f.position, f.length, f.value);
    e.play.autoplay_checked = true;
}

}  // namespace velmora::cli

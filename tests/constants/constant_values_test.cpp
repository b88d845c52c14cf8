// SPDX-License-Identifier: MIT
// Every row of the constants table against a list of its own: CODATA 2018 as scipy.constants
// gives it (scipy 1.10.1, Debian 12's python3-scipy; exact SI values of 2019 for h, e, k and NA),
// and the conversion factors from their definitions. The list was printed once by
// scripts/constant_reference.py and is never derived from the table.
#include <gtest/gtest.h>

#include <cmath>

#include "constants/constant_table.h"

namespace {

struct Reference {
    int row;
    double value;  // unrounded
};

constexpr Reference kReferences[] = {
    {1, 0.017453292519943295},  // degree (angle)
    {2, 0.0002908882086657216},  // minute (angle)
    {3, 4.84813681109536e-06},  // second (angle)
    {4, 149597870700.0},  // astronomical unit
    {5, 9.80665},  // standard acceleration of gravity
    {6, 0.015707963267948967},  // grade: pi/200 rad
    {7, 0.5144444444444445},  // knot
    {8, 9460730472580800.0},  // light year (Julian year)
    {9, 1852.0},  // nautical mile
    {10, 3.085677581491367e+16},  // parsec
    {11, 31556925.216},  // tropical year: 365.24219 days
    {12, 4046.8564223999992},  // acre
    {13, 0.15898729492799998},  // US petroleum barrel
    {14, 0.115627123584},  // US dry barrel: 7056 in3
    {15, 0.03636872},  // UK bushel: 8 UK gallons
    {16, 0.03523907016688},  // US bushel: 2150.42 in3
    {17, 20.116840233680467},  // surveyors' chain: 66 US survey feet
    {18, 0.00023658823649999998},  // US cup: 8 US fluid ounces
    {19, 0.0005506104713575},  // US dry pint: 33.6003125 in3
    {20, 1.828803657607315},  // surveyors' fathom: 6 US survey feet
    {21, 0.0023597372159999998},  // board foot: 144 in3
    {22, 2.84130625e-05},  // UK fluid ounce
    {23, 2.9573529562499998e-05},  // US fluid ounce
    {24, 0.30479999999999996},  // foot
    {25, 0.3048006096012192},  // US survey foot
    {26, 0.00454609},  // UK gallon
    {27, 0.0037854117839999997},  // US gallon
    {28, 0.0254},  // inch
    {29, 2.5399999999999997e-05},  // mil
    {30, 1609.3439999999998},  // international mile
    {31, 1609.3472186944373},  // US survey mile
    {32, 0.44703999999999994},  // mile per hour
    {33, 0.00880976754172},  // US peck: a quarter bushel
    {34, 0.00056826125},  // UK pint: an eighth UK gallon
    {35, 0.00047317647299999996},  // US liquid pint: an eighth US gallon
    {36, 1.4786764781249999e-05},  // US tablespoon: half a US fluid ounce
    {37, 4.92892159375e-06},  // US teaspoon: a sixth US fluid ounce
    {38, 0.9143999999999999},  // yard
    {39, 0.9144018288036575},  // US survey yard: 3 US survey feet
    {40, 98066.49999999999},  // technical atmosphere: 1 kgf/cm2
    {41, 101325.0},  // standard atmosphere
    {42, 0.0002},  // metric carat
    {43, 1.1111111111111111e-07},  // denier: 1 g per 9000 m
    {44, 6.6743e-11},  // Newtonian constant of gravitation
    {45, 9.80665},  // kilogram-force
    {46, 9806.65},  // metre of water, conventional
    {47, 133.322387415},  // millimetre of mercury, conventional
    {48, 735.49875},  // metric horsepower: 75 kgf m/s
    {49, 133.32236842105263},  // torr
    {50, 50.802345439999996},  // long hundredweight: 112 lb
    {51, 45.35923699999999},  // short hundredweight: 100 lb
    {52, 1.3558179483314001},  // foot pound-force
    {53, 2989.0669199999993},  // foot of water, conventional
    {54, 6.479891e-05},  // grain
    {55, 745.6998715822701},  // horsepower
    {56, 249.08890999999997},  // inch of water, conventional
    {57, 3386.388640341},  // inch of mercury, conventional
    {58, 0.45359236999999997},  // pound
    {59, 4.4482216152605},  // pound-force
    {60, 0.37324172159999996},  // troy pound
    {61, 0.028349523124999998},  // ounce
    {62, 0.031103476799999998},  // troy ounce
    {63, 0.13825495437599997},  // poundal: 1 lb ft/s2
    {64, 6894.757293168361},  // pound per square inch
    {65, 14.593902937206364},  // slug
    {66, 1016.0469088},  // long ton
    {67, 907.1847399999999},  // short ton
    {68, 273.15},  // zero Celsius
    {69, 4.1855},  // 15 degree calorie: 4.1855 J (CIPM 1950)
    {70, 4.1868},  // international table calorie
    {71, 4.184},  // thermochemical calorie
    {72, 0.5555555555555556},  // degree Fahrenheit: 5/9 K
    {73, -17.77777777777778},  // zero Fahrenheit in Celsius: -32 * 5/9
    {74, 1055.05585262},  // international table Btu
    {75, 4186.8},  // Btu per pound and degree Rankine
    {76, 0.2930710701722222},  // Btu per hour
    {77, 2326.0},  // Btu per pound
    {78, 105505585.262},  // EC therm: 100000 Btu
    {79, 8.8541878128e-12},  // vacuum electric permittivity
    {80, 1.25663706212e-06},  // vacuum magnetic permeability
    {81, 1.1126500554478704e-12},  // statfarad: 4 pi epsilon0 * 1 cm
    {82, 2.6544187294380724e-07},  // gaussian flux density: 1 statC/cm2 / 4 pi
    {83, 29979.2458},  // gaussian field strength: 1 statV/cm
    {84, 3.3356409519815207e-10},  // statampere: 1 statC/s
    {85, 79.57747154594767},  // oersted: 1000/(4 pi) A/m
    {86, 3.3356409519815205e-06},  // gaussian polarization: 1 statC/cm2
    {87, 3.3356409519815207e-10},  // statcoulomb: 1/(10 c) C
    {88, 299.792458},  // statvolt: c * 1E-6 V
    {89, 5.670374419e-08},  // Stefan-Boltzmann constant
    {90, 299792458.0},  // speed of light in vacuum
    {91, 3.741771852e-16},  // first radiation constant
    {92, 0.01438776877},  // second radiation constant
    {93, 3183.098861837907},  // lambert: 1E4/pi cd/m2
    {94, 3.4262590996353914},  // footlambert: 1/pi cd/ft2
    {95, 0.11512925464970229},  // decibel in nepers: ln(10)/20
    {96, 8.685889638065035},  // neper in decibels: 20/ln(10)
    {97, 1.602176634e-19},  // elementary charge
    {98, 96485.33212},  // Faraday constant
    {99, 1.380649e-23},  // Boltzmann constant
    {100, 6.02214076e+23},  // Avogadro constant
    {101, 8.314462618},  // molar gas constant
    {102, 0.02241396954},  // molar volume of ideal gas (273.15 K, 101.325 kPa)
    {103, 1.1126500554478704e-16},  // gaussian polarizability: 4 pi epsilon0 * 1 cm3
    {104, 3.3356409519815207e-12},  // gaussian dipole moment: 1 statC cm
    {105, 0.0072973525693},  // fine-structure constant
    {106, 267522187.44},  // proton gyromagnetic ratio
    {107, 267515315.1},  // shielded proton gyromagnetic ratio
    {108, 1.31959090581e-15},  // neutron Compton wavelength
    {109, 1.32140985539e-15},  // proton Compton wavelength
    {110, 9.2740100783e-24},  // Bohr magneton
    {111, 9.2847647043e-24},  // electron magnetic moment, magnitude
    {112, 5.0507837461e-27},  // nuclear magneton
    {113, 1.41060679736e-26},  // proton magnetic moment
    {114, 5.29177210903e-11},  // Bohr radius
    {115, 4.3597447222071e-18},  // Hartree energy
    {116, 1.602176634e-19},  // electron volt
    {117, 6.62607015e-34},  // Planck constant
    {118, 1.054571817e-34},  // reduced Planck constant
    {119, 1.67353286206015e-27},  // hydrogen atom: proton mass + electron mass
    {120, 9.1093837015e-31},  // electron mass
    {121, 1.67492749804e-27},  // neutron mass
    {122, 1.67262192369e-27},  // proton mass
    {123, 10973731.56816},  // Rydberg constant
    {124, 2.8179403262e-15},  // classical electron radius
    {125, 1.6605390666e-27},  // atomic mass constant
    {126, 37000000000.0},  // curie
    {127, 0.000258},  // roentgen
    {128, 2.067833848e-15},  // magnetic flux quantum
};

// The table holds each value rounded to six significant digits.
TEST(ConstantValues, EveryRowIsItsReferenceAtSixDigits) {
    static_assert(std::size(kReferences) == kConstantCount);
    const ConstantTable table = BuildConstantTable();
    for (const Reference& r : kReferences) {
        const ScientificConstant& stored = table[r.row - 1];
        const double sixthDigit = std::pow(10.0, std::floor(std::log10(std::fabs(r.value))) - 5);
        EXPECT_NEAR(stored.Value, r.value, 0.5000001 * sixthDigit)
            << "row " << r.row << " (" << stored.Description << ")";
    }
}

}  // namespace

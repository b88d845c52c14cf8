#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Prints the reference list of tests/constants/constant_values_test.cpp: the value of every row
# of the constants table from scipy.constants (Debian 12's python3-scipy 1.10.1 ships CODATA 2018,
# with the exact SI values of 2019 for h, e, k and NA), and for the units scipy does not name,
# from their definitions in units it does. Run with Debian's /usr/bin/python3.
import math

import scipy
import scipy.constants as c
from scipy.constants import physical_constants as codata

assert c._codata._current_codata == "CODATA 2018", c._codata._current_codata


def measured(name):
    return codata[name][0]


in3 = c.inch**3
stat_coulomb = 1 / (10 * c.c)  # C
stat_volt = c.c * 1e-6  # V
water = 1000 * c.g  # Pa per metre of water, conventional
mercury = 13595.1 * c.g  # Pa per metre of mercury, conventional
us_bushel = 2150.42 * in3

rows = [
    ("degree (angle)", c.degree),
    ("minute (angle)", c.arcmin),
    ("second (angle)", c.arcsec),
    ("astronomical unit", c.au),
    ("standard acceleration of gravity", c.g),
    ("grade: pi/200 rad", c.pi / 200),
    ("knot", c.knot),
    ("light year (Julian year)", c.light_year),
    ("nautical mile", c.nautical_mile),
    ("parsec", c.parsec),
    ("tropical year: 365.24219 days", 365.24219 * c.day),
    ("acre", c.acre),
    ("US petroleum barrel", c.barrel),
    ("US dry barrel: 7056 in3", 7056 * in3),
    ("UK bushel: 8 UK gallons", 8 * c.gallon_imp),
    ("US bushel: 2150.42 in3", us_bushel),
    ("surveyors' chain: 66 US survey feet", 66 * c.survey_foot),
    ("US cup: 8 US fluid ounces", 8 * c.fluid_ounce_US),
    ("US dry pint: 33.6003125 in3", 33.6003125 * in3),
    ("surveyors' fathom: 6 US survey feet", 6 * c.survey_foot),
    ("board foot: 144 in3", 144 * in3),
    ("UK fluid ounce", c.fluid_ounce_imp),
    ("US fluid ounce", c.fluid_ounce_US),
    ("foot", c.foot),
    ("US survey foot", c.survey_foot),
    ("UK gallon", c.gallon_imp),
    ("US gallon", c.gallon_US),
    ("inch", c.inch),
    ("mil", c.mil),
    ("international mile", c.mile),
    ("US survey mile", c.survey_mile),
    ("mile per hour", c.mph),
    ("US peck: a quarter bushel", us_bushel / 4),
    ("UK pint: an eighth UK gallon", c.gallon_imp / 8),
    ("US liquid pint: an eighth US gallon", c.gallon_US / 8),
    ("US tablespoon: half a US fluid ounce", c.fluid_ounce_US / 2),
    ("US teaspoon: a sixth US fluid ounce", c.fluid_ounce_US / 6),
    ("yard", c.yard),
    ("US survey yard: 3 US survey feet", 3 * c.survey_foot),
    ("technical atmosphere: 1 kgf/cm2", c.kgf / 1e-4),
    ("standard atmosphere", c.atm),
    ("metric carat", c.carat),
    ("denier: 1 g per 9000 m", c.gram / 9000),
    ("Newtonian constant of gravitation", measured("Newtonian constant of gravitation")),
    ("kilogram-force", c.kgf),
    ("metre of water, conventional", water),
    ("millimetre of mercury, conventional", mercury * 1e-3),
    ("metric horsepower: 75 kgf m/s", 75 * c.kgf),
    ("torr", c.torr),
    ("long hundredweight: 112 lb", 112 * c.lb),
    ("short hundredweight: 100 lb", 100 * c.lb),
    ("foot pound-force", c.foot * c.lbf),
    ("foot of water, conventional", water * c.foot),
    ("grain", c.grain),
    ("horsepower", c.hp),
    ("inch of water, conventional", water * c.inch),
    ("inch of mercury, conventional", mercury * c.inch),
    ("pound", c.lb),
    ("pound-force", c.lbf),
    ("troy pound", c.troy_pound),
    ("ounce", c.oz),
    ("troy ounce", c.troy_ounce),
    ("poundal: 1 lb ft/s2", c.lb * c.foot),
    ("pound per square inch", c.psi),
    ("slug", c.slug),
    ("long ton", c.long_ton),
    ("short ton", c.short_ton),
    ("zero Celsius", c.zero_Celsius),
    ("15 degree calorie: 4.1855 J (CIPM 1950)", 4.1855),
    ("international table calorie", c.calorie_IT),
    ("thermochemical calorie", c.calorie_th),
    ("degree Fahrenheit: 5/9 K", c.degree_Fahrenheit),
    ("zero Fahrenheit in Celsius: -32 * 5/9", -32 * c.degree_Fahrenheit),
    ("international table Btu", c.Btu_IT),
    ("Btu per pound and degree Rankine", c.Btu_IT / c.lb / c.degree_Fahrenheit),
    ("Btu per hour", c.Btu_IT / c.hour),
    ("Btu per pound", c.Btu_IT / c.lb),
    ("EC therm: 100000 Btu", 1e5 * c.Btu_IT),
    ("vacuum electric permittivity", measured("vacuum electric permittivity")),
    ("vacuum magnetic permeability", measured("vacuum mag. permeability")),
    ("statfarad: 4 pi epsilon0 * 1 cm", 4 * c.pi * c.epsilon_0 * 1e-2),
    ("gaussian flux density: 1 statC/cm2 / 4 pi", stat_coulomb / 1e-4 / (4 * c.pi)),
    ("gaussian field strength: 1 statV/cm", stat_volt / 1e-2),
    ("statampere: 1 statC/s", stat_coulomb),
    ("oersted: 1000/(4 pi) A/m", 1000 / (4 * c.pi)),
    ("gaussian polarization: 1 statC/cm2", stat_coulomb / 1e-4),
    ("statcoulomb: 1/(10 c) C", stat_coulomb),
    ("statvolt: c * 1E-6 V", stat_volt),
    ("Stefan-Boltzmann constant", measured("Stefan-Boltzmann constant")),
    ("speed of light in vacuum", c.c),
    ("first radiation constant", measured("first radiation constant")),
    ("second radiation constant", measured("second radiation constant")),
    ("lambert: 1E4/pi cd/m2", 1e4 / c.pi),
    ("footlambert: 1/pi cd/ft2", 1 / (c.pi * c.foot**2)),
    ("decibel in nepers: ln(10)/20", math.log(10) / 20),
    ("neper in decibels: 20/ln(10)", 20 / math.log(10)),
    ("elementary charge", measured("elementary charge")),
    ("Faraday constant", measured("Faraday constant")),
    ("Boltzmann constant", measured("Boltzmann constant")),
    ("Avogadro constant", measured("Avogadro constant")),
    ("molar gas constant", measured("molar gas constant")),
    ("molar volume of ideal gas (273.15 K, 101.325 kPa)",
     measured("molar volume of ideal gas (273.15 K, 101.325 kPa)")),
    ("gaussian polarizability: 4 pi epsilon0 * 1 cm3", 4 * c.pi * c.epsilon_0 * 1e-6),
    ("gaussian dipole moment: 1 statC cm", stat_coulomb * 1e-2),
    ("fine-structure constant", measured("fine-structure constant")),
    ("proton gyromagnetic ratio", measured("proton gyromag. ratio")),
    ("shielded proton gyromagnetic ratio", measured("shielded proton gyromag. ratio")),
    ("neutron Compton wavelength", measured("neutron Compton wavelength")),
    ("proton Compton wavelength", measured("proton Compton wavelength")),
    ("Bohr magneton", measured("Bohr magneton")),
    ("electron magnetic moment, magnitude", abs(measured("electron mag. mom."))),
    ("nuclear magneton", measured("nuclear magneton")),
    ("proton magnetic moment", measured("proton mag. mom.")),
    ("Bohr radius", measured("Bohr radius")),
    ("Hartree energy", measured("Hartree energy")),
    ("electron volt", measured("electron volt")),
    ("Planck constant", measured("Planck constant")),
    ("reduced Planck constant", measured("reduced Planck constant")),
    # The 13.6 eV binding energy lies in the eighth digit.
    ("hydrogen atom: proton mass + electron mass", measured("proton mass") + measured("electron mass")),
    ("electron mass", measured("electron mass")),
    ("neutron mass", measured("neutron mass")),
    ("proton mass", measured("proton mass")),
    ("Rydberg constant", measured("Rydberg constant")),
    ("classical electron radius", measured("classical electron radius")),
    ("atomic mass constant", measured("atomic mass constant")),
    ("curie", 3.7e10),
    ("roentgen", 2.58e-4),
    ("magnetic flux quantum", measured("mag. flux quantum")),
]

assert len(rows) == 128
print(f"    // scipy {scipy.__version__}, {c._codata._current_codata}")
for number, (source, value) in enumerate(rows, start=1):
    print(f"    {{{number}, {value!r}}},  // {source}")

// SPDX-License-Identifier: MIT
#include "constants/constant_table.h"

#include <string_view>

#include "display/number_text.h"

namespace {

// Number, symbol, description, value and unit of each row, joined by "<+>". Values to six
// significant digits: measured constants from CODATA 2018 (scipy.constants of scipy 1.10.1, as
// Debian 12's python3-scipy ships it), with the exact SI values of 2019 for h, e, k and NA;
// units from their definitions. scripts/constant_reference.py prints the unrounded values.
const std::array<const char*, kConstantCount> kConstantSource = {
    "1<+>°<+>degree (angle)<+>1.74533E-02<+>rad",
    "2<+>'<+>minute (angle)<+>2.90888E-04<+>rad",
    "3<+>\"<+>second (angle)<+>4.84814E-06<+>rad",
    "4<+>AU<+>astronomical unit<+>1.49598E+11<+>m",
    "5<+>G (g)<+>accelaration of fall<+>9.80665E+00<+>m/s²",
    "6<+>grade<+>grade<+>1.57080E-02<+>rad",
    "7<+>kn<+>knot<+>5.14444E-01<+>m/s",
    "8<+>l.y.<+>light year<+>9.46073E+15<+>m",
    "9<+>n.mile<+>nautical mile<+>1.85200E+03<+>m",
    "10<+>pc<+>parsec<+>3.08568E+16<+>m",
    "11<+>year<+>tropical year<+>3.15569E+07<+>s",
    "12<+>acre<+>acre<+>4.04686E+03<+>m²",
    "13<+>barrel<+>US barrel for petroleum<+>1.58987E-01<+>m³",
    "14<+>bblUS<+>dry barrel<+>1.15627E-01<+>m³",
    "15<+>bushel UK<+>bushel<+>3.63687E-02<+>m³",
    "16<+>bushel US(bu)<+>bushel<+>3.52391E-02<+>m³",
    "17<+>chain<+>chain (surveyors)<+>2.01168E+01<+>m",
    "18<+>cu<+>US in<+>2.36588E-04<+>m³",
    "19<+>dry ptUS<+>dry pint<+>5.50610E-04<+>m³",
    "20<+>fath<+>fathom (surveyors)<+>1.82880E+00<+>m",
    "21<+>fbm<+>board foot<+>2.35974E-03<+>m³",
    "22<+>flozUK<+>fluid ounce<+>2.84131E-05<+>m³",
    "23<+>flozUS<+>fluid ounce<+>2.95735E-05<+>m³",
    "24<+>ft<+>foot<+>3.04800E-01<+>m",
    "25<+>ftUS<+>foot (surveyors=US)<+>3.04801E-01<+>m",
    "26<+>galUK<+>gallon (United Kingdom)<+>4.54609E-03<+>m³",
    "27<+>galUS<+>gallon (United States)<+>3.78541E-03<+>m³",
    "28<+>in<+>inch<+>2.54000E-02<+>m",
    "29<+>mil<+>mil<+>2.54000E-05<+>m",
    "30<+>mile<+>mile (International)<+>1.60934E+03<+>m",
    "31<+>miUS<+>US statute mile<+>1.60935E+03<+>m",
    "32<+>mph<+>miles per hour<+>4.47040E-01<+>m/s",
    "33<+>pk<+>peck<+>8.80977E-03<+>m³",
    "34<+>ptUK<+>pint<+>5.68261E-04<+>m³",
    "35<+>ptUS<+>liquid pint<+>4.73176E-04<+>m³",
    "36<+>tbsp<+>tablespoon<+>1.47868E-05<+>m³",
    "37<+>tsp<+>teaspoon<+>4.92892E-06<+>m³",
    "38<+>yd<+>yard<+>9.14400E-01<+>m",
    "39<+>ydUS<+>US yard<+>9.14402E-01<+>m",
    "40<+>at<+>technical atmosphere<+>9.80665E+04<+>Pa",
    "41<+>atm<+>standard atmosphere<+>1.01325E+05<+>Pa",
    "42<+>ct<+>metric carat<+>2.00000E-04<+>kg",
    "43<+>D<+>denier<+>1.11111E-07<+>kg/m",
    "44<+>G<+>gravitational constant<+>6.67430E-11<+>Nm²/kg²",
    "45<+>kgF<+>kilogram-force<+>9.80665E+00<+>N",
    "46<+>mH2O<+>meter of water<+>9.80665E+03<+>Pa",
    "47<+>mmHg<+>mm of mercury<+>1.33322E+02<+>Pa",
    "48<+>PS<+>metric horsepower<+>7.35499E+02<+>W",
    "49<+>Torr<+>torr<+>1.33322E+02<+>Pa",
    "50<+>cwt (UK)<+>hundred-weight<+>5.08023E+01<+>kg",
    "51<+>cwt (US)<+>hundred-weight<+>4.53592E+01<+>kg",
    "52<+>ft.lbf<+>foot pound of force<+>1.35582E+00<+>J",
    "53<+>ftH2O<+>foot of water<+>2.98907E+03<+>Pa",
    "54<+>gr<+>grain<+>6.47989E-05<+>kg",
    "55<+>HP<+>horsepower<+>7.45700E+02<+>W",
    "56<+>inH2O<+>inch of water<+>2.49089E+02<+>Pa",
    "57<+>inHg<+>inch of mercury<+>3.38639E+03<+>Pa",
    "58<+>lb<+>pound<+>4.53592E-01<+>kg",
    "59<+>lbf<+>pound-force<+>4.44822E+00<+>N",
    "60<+>lbt<+>troy pound<+>3.73242E-01<+>kg",
    "61<+>oz<+>ounce<+>2.83495E-02<+>kg",
    "62<+>ozt<+>troy ounce<+>3.11035E-02<+>kg",
    "63<+>pdl<+>poundal<+>1.38255E-01<+>N",
    "64<+>psi<+>pounds per square inch<+>6.89476E+03<+>Pa",
    "65<+>slug<+>slug<+>1.45939E+01<+>kg",
    "66<+>ton (UK)<+>long ton<+>1.01605E+03<+>kg",
    "67<+>ton (US)<+>short ton<+>9.07185E+02<+>kg",
    "68<+>0øC<+>zero Celcius<+>2.73150E+02<+>K",
    "69<+>Cal15<+>15 degree calorie<+>4.18550E+00<+>J",
    "70<+>CalIT<+>I.T. thermo-calorie<+>4.18680E+00<+>J",
    "71<+>Calth<+>chemical calorie<+>4.18400E+00<+>J",
    "72<+>°F<+>degree Fahrenheit<+>5.55556E-01<+>K(°C)",
    "73<+>0°F<+>Zero Fahrenheit<+>-1.77778E+01<+>°C",
    "74<+>BTU<+>British thermal unit<+>1.05506E+03<+>J",
    "75<+>BTU/(lb.R)<+>specific heat capacity<+>4.18680E+03<+>J/(kg.K)",
    "76<+>BTU/h<+>Btu per hour<+>2.93071E-01<+>W",
    "77<+>BTU/lb<+>specific internal energy<+>2.32600E+03<+>J/kg",
    "78<+>therm<+>therm<+>1.05506E+08<+>J",
    "79<+>îo<+>permittivity of vacuum<+>8.85419E-12<+>F/m",
    "80<+>æo<+>permeability of vacuum<+>1.25664E-06<+>H/m",
    "81<+>Cs<+>G. electric capacitance<+>1.11265E-12<+>F",
    "82<+>Ds<+>G. electric flux density<+>2.65442E-07<+>C/m²",
    "83<+>Es<+>G. electric field strength<+>2.99792E+04<+>V/m",
    "84<+>Is<+>G. electric current Hs, G.<+>3.33564E-10<+>A",
    "85<+>Oe<+>magnetic field strength<+>7.95775E+01<+>A/m",
    "86<+>Ps<+>G. electric polarization<+>3.33564E-06<+>C/m²",
    "87<+>Qs<+>G. electric charge<+>3.33564E-10<+>C",
    "88<+>Vs<+>G. electric potential<+>2.99792E+02<+>V",
    "89<+>å<+>Stefan- Boltzmann constant<+>5.67037E-08<+>W.m-²/K^4",
    "90<+>C<+>speed of light<+>2.99792E+08<+>m/s",
    "91<+>c1<+>first radiation constant<+>3.74177E-16<+>W.m²",
    "92<+>c2<+>second radiation constant<+>1.43878E-02<+>m.K",
    "93<+>lam<+>lambert<+>3.18310E+03<+>cd/m²",
    "94<+>flam<+>footlambert<+>3.42626E+00<+>cd/m²",
    "95<+>dB<+>decibel, level difference<+>1.15129E-01<+>dB",
    "96<+>Np<+>neper, level difference<+>8.68589E+00<+>Np",
    "97<+>e<+>elementary charge<+>1.60218E-19<+>C",
    "98<+>F<+>Faraday constant<+>9.64853E+04<+>C/mol",
    "99<+>k<+>Boltzmann constant<+>1.38065E-23<+>J/K",
    "100<+>NA<+>Avogadro constant<+>6.02214E+23<+>mol-¹",
    "101<+>R<+>molar gas constant<+>8.31446E+00<+>J/(mol.K)",
    "102<+>Vm<+>molar volume G. electric<+>2.24140E-02<+>m³/mol",
    "103<+>à<+>polarization of molecule æ G. electric<+>1.11265E-16<+>C.m²/V",
    "104<+>p<+>dipole of fine-molecule<+>3.33564E-12<+>C.m",
    "105<+>à<+>structure constant<+>7.29735E-03<+>-",
    "106<+>çp<+>gyro-magnetic coeff.p<+>2.67522E+08<+>A.m²/(J.s)",
    "107<+>çp<+>g-m. coeff p in water<+>2.67515E+08<+>A.m²/(J.s)",
    "108<+>âcn<+>Compton wavelength n<+>1.31959E-15<+>m",
    "109<+>âcp<+>Compton wavelength p<+>1.32141E-15<+>m",
    "110<+>æB<+>Bohr magneton<+>9.27401E-24<+>A.m²",
    "111<+>æe<+>m. moment of electron<+>9.28476E-24<+>A.m²",
    "112<+>æN<+>nuclear magneton<+>5.05078E-27<+>A.m²",
    "113<+>æp<+>m. moment of proton<+>1.41061E-26<+>A.m²",
    "114<+>ao<+>Bohr radius<+>5.29177E-11<+>m",
    "115<+>Eh<+>Hartree energy<+>4.35974E-18<+>J",
    "116<+>eV<+>electronvolt<+>1.60218E-19<+>J",
    "117<+>h<+>Plank constant<+>6.62607E-34<+>J.s",
    "118<+>h bar<+>h/2pi<+>1.05457E-34<+>J.s",
    "119<+>m(1H)<+>mass of hydrogen atom<+>1.67353E-27<+>kg",
    "120<+>me<+>rest mass of electron<+>9.10938E-31<+>kg",
    "121<+>mn<+>rest mass of neutron<+>1.67493E-27<+>kg",
    "122<+>mp<+>rest mass of proton<+>1.67262E-27<+>kg",
    "123<+>Rì<+>Rydberg constant<+>1.09737E+07<+>m -¹",
    "124<+>re<+>Electron radius<+>2.81794E-15<+>m",
    "125<+>u<+>Atomic mass unit<+>1.66054E-27<+>kg",
    "126<+>Ci<+>curie<+>3.70000E+10<+>Bq",
    "127<+>R<+>roentgen<+>2.58000E-04<+>C/kg",
    "128<+>íO<+>fluxoid quantum<+>2.06783E-15<+>wb",
};

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return "";
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

std::span<const char* const> ConstantSource() { return kConstantSource; }

ScientificConstant ParseConstantRow(std::string_view row) {
    std::array<std::string_view, 5> fields{};
    std::size_t field = 0;
    for (std::size_t at = 0; field < fields.size();) {
        const std::size_t next = row.find("<+>", at);
        fields[field++] = row.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at);
        if (next == std::string_view::npos) break;
        at = next + 3;
    }
    return {static_cast<int>(ReadNumber(fields[0])), TrimBlanks(fields[1]), TrimBlanks(fields[2]),
            ReadNumber(fields[3]), TrimBlanks(fields[4])};
}

ConstantTable BuildConstantTable() {
    ConstantTable table;
    for (std::size_t k = 0; k < table.size(); ++k) table[k] = ParseConstantRow(kConstantSource[k]);
    return table;
}

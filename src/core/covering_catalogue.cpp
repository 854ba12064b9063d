// Written by tools/covering_search; do not edit. Refresh: cmake --build --preset linux --target covering_search && build/linux/bin/covering_search --write src/core/covering_catalogue.cpp docs/reduced-systems.md
// clang-format off
#include <array>

#include "core/covering_catalogue.h"

namespace stenvik::covering {
namespace {

constexpr auto kEntries = std::to_array<Entry>({
    {.cell = {0, 1, 1}, .how = How::Half, .rows = 1},
    {.cell = {1, 0, 1}, .how = How::Rows, .rows = 1, .data = "0"},
    {.cell = {0, 2, 1}, .how = How::Half, .rows = 2},
    {.cell = {1, 1, 1}, .how = How::Half, .rows = 2},
    {.cell = {2, 0, 1}, .how = How::Sum, .rows = 3, .first = {1, 0, 1}, .second = {1, 0, 0}},
    {.cell = {0, 3, 1}, .how = How::Rows, .rows = 2, .data = "16"},
    {.cell = {1, 2, 1}, .how = How::Rows, .rows = 3, .data = "348"},
    {.cell = {2, 1, 1}, .how = How::Rows, .rows = 4, .data = "459C"},
    {.cell = {3, 0, 1}, .how = How::Rows, .rows = 5, .data = "37BMO"},
    {.cell = {0, 4, 1}, .how = How::Sum, .rows = 4, .first = {0, 3, 1}, .second = {0, 1, 0}},
    {.cell = {1, 3, 1}, .how = How::Half, .rows = 6},
    {.cell = {2, 2, 1}, .how = How::Rows, .rows = 6, .data = "69CFTY"},
    {.cell = {3, 1, 1}, .how = How::Half, .rows = 9},
    {.cell = {4, 0, 1}, .how = How::Matrix, .rows = 9, .data = "11,12|00"},
    {.cell = {0, 5, 1}, .how = How::Rows, .rows = 7, .data = "07EFIKP"},
    {.cell = {1, 4, 1}, .how = How::Rows, .rows = 8, .data = "18EKRYdj"},
    {.cell = {2, 3, 1}, .how = How::Sum, .rows = 12, .first = {2, 2, 1}, .second = {0, 1, 0}},
    {.cell = {3, 2, 1}, .how = How::Rows, .rows = 16, .data = "030G0K0T0Y0g0j0n0o0y0_181R1V1b1g"},
    {.cell = {4, 1, 1}, .how = How::Half, .rows = 18},
    {.cell = {5, 0, 1}, .how = How::Sum, .rows = 27, .first = {4, 0, 1}, .second = {1, 0, 0}},
    {.cell = {0, 6, 1}, .how = How::Rows, .rows = 12, .data = "58AMOVZajnp-"},
    {.cell = {1, 5, 1}, .how = How::Sum, .rows = 16, .first = {1, 4, 1}, .second = {0, 1, 0}},
    {.cell = {2, 4, 1}, .how = How::Rows, .rows = 20, .data = "06080O0V0Z0b0x0z12141G1N1P1U1X1c1n1_2A2C"},
    {.cell = {3, 3, 1}, .how = How::Rows, .rows = 24, .data = "03040W0Y0d1115161H1L1M1p1q1u1w1_2W2Y2d2f2j2k3B3C"},
    {.cell = {4, 2, 1}, .how = How::Half, .rows = 36},
    {.cell = {5, 1, 1}, .how = How::Sum, .rows = 54, .first = {4, 0, 1}, .second = {1, 1, 0}},
    {.cell = {6, 0, 1}, .how = How::Rows, .rows = 73, .data = "0E0I0Y0g0l0v0y161J1a1g1o1v2E2M2U2c2h2y383E3I3Q3h3q3z484B4J4O4T4g535L5Q5a5e5n5w616C6R6f6r797N7O7P"
        "7k7y818G8N8b8d8o8w939C9J9Y9i9q9t9uAOASAZAaAnB3B6BM"},
    {.cell = {0, 7, 1}, .how = How::Rows, .rows = 16, .data = "000F0M0P0b0g0p0y131C1L1Q1c1f1m1_"},
    {.cell = {1, 6, 1}, .how = How::Rows, .rows = 24, .data = "03080M0T0a0l0n0w131E1G1T1a1f1t1w25282M2R2Y2l2n2y"},
    {.cell = {2, 5, 1}, .how = How::Rows, .rows = 36, .data = "0A0D0H0M0X0g0s0z14171O1R1W1Z1y1_26292L2Q2f2k2o2r353A3M3P3i3l3m3p42494L4U"},
    {.cell = {3, 4, 1}, .how = How::Half, .rows = 48},
    {.cell = {4, 3, 1}, .how = How::Sum, .rows = 72, .first = {3, 3, 1}, .second = {1, 0, 0}},
    {.cell = {5, 2, 1}, .how = How::Rows, .rows = 96, .data = "010B0F0S0c0r1315191S1U1d1r1x212E2Y2e2t2u2_313U3a444D4J4V4p4w4z515F5H5M5P5i6A6F6L6R6a6m6o777D7R7e"
        "7l7n81858F8M8X8t8x8y91979E9P9k9qAGAYAuA_B3BDBMBXBjBpBxC4CDCJCPCTCYCpDADSDZDbDsDvE7EPEWEYEeExEzFB"},
    {.cell = {6, 1, 1}, .how = How::Rows, .rows = 141, .data = "0B0M0d0m0y191C1E1h1k1v1w272Q2Y2j313E3R3d3o3w40434A4U4b4c4k4t4v555E5O5T5t5v5_666N6R6c6v7I7K7L7k7s"
        "7v868F8V8f8v8y90999P9a9rA0A3A5AJAMAWAZAaAjAkAvB2B8BGBPBXBhBrBtC0CNCQCaChCoCuD1DDDKDdDlDoE7EKEQEm"
        "ErF5FCFRFcFjFlFtGBGIGLGeGqGzHDHMHcHdHkHvI3IYInJ4JDJEJYJmJpKDKHKQKkKuKzL8LYLZLtM2MDMHMWMXMk"},
    {.cell = {7, 0, 1}, .how = How::Matrix, .rows = 186, .data = "1,2,2,2,2,0|000210,000211,001102,001220,002012,002121,010101,010222,011000,011211,012020,012112,"
        "020010,020120,021021,021022,021110,022200,022201,022202,100112,101010,101011,101201,102100,10222"
        "2,110011,110012,110200,111120,111121,111122,112001,112002,112210,120102,120221,121000,121212,122"
        "020,122111,200000,200001,200002,200020,200021,200022,201111,201112,202210,210110,210111,211012,2"
        "11202,212100,212221,220212,221101,221220,222010,222011,222122"},
    {.cell = {0, 8, 1}, .how = How::Half, .rows = 32},
    {.cell = {1, 7, 1}, .how = How::Sum, .rows = 48, .first = {0, 7, 1}, .second = {1, 0, 0}},
    {.cell = {2, 6, 1}, .how = How::Rows, .rows = 64, .data = "0O0V0W0d1A1D1E1g1j1k1o1r1s2123242H2J2K2v2x2y3235363I3L3M3w3z3-4P4R4S4X4Z4a585F5e5l5m5t696B6C6f6h"
        "6i6n6p6q70777G7N7u7_8Q8T8U8Y8b8c"},
    {.cell = {3, 5, 1}, .how = How::Rows, .rows = 92, .data = "06090L0Q0p0y101F1J1S1Z1i2M2P2b2g2m2_3G3V3X3Y3a3d3e3h3j3k4M4P4W4l555A5J5S5Z5i5r5w6H6I6K6N6O6R6T6U"
        "6W6l76797b7g8M8P8Z8i8m8_939C9M9P9c9f9m9_A5AAAMAPAWAlB3BCBLBQBbBgBpByC6C9CJCSCrCwD0DFDLDQ"},
    {.cell = {4, 4, 1}, .how = How::Rows, .rows = 128, .data = "05080D0F0J0M0p0s10181A1D2223262728292C2D2N2f2q2w3C3I3X3l3m3x454E4Y4y515F5P5d5q5w656E6G6R6t7C7G7R"
        "7f7o858E8K8Q8X8l9196999E9jA3A4ABACAOAjAuB2B5B7BFBYBbBgBjBsC0C7C8CFCZCpD6DPDSDYDvE5EEESEdEmExF1FF"
        "FKFQG0G7G8GFGJGYGbGgGjH6HMHZHvHyI3I4IBICIeJ1J6J9JEJTJeJzK0K2K7KA"},
    {.cell = {5, 3, 1}, .how = How::Rows, .rows = 168, .data = "0D0I0g1114171T1e1f1h1i1k1l1w2G2J2M2j353A3P3S3V4G4J4M4m4p4s4z5I5T626A6H6K6N6b6w787B7E7L7T828D8Y8f"
        "8i8l999C9FA0A3A6AGAJAMAXAaAdBgC5CDCGCJCMCfCiClCoCzDIDYDrE8EBEEEbEnEqEtF5FAFYG2GLGWGXGZGaGcGdGzHg"
        "HnHqHtHwI0I3I6IfIiIlJDJQJeJhJkKDKTKoKzL0L3L6LPLSLVLYLgM5N8NBNENPNSNVNgO9OCOFOTOgP8PBPEPnPqPtPzQ0"
        "Q3Q6QDQwRGRHRJRKRMRNRYRrSLSjSoT0T3T6TITfTiTlU2UL"},
    {.cell = {6, 2, 1}, .how = How::Rows, .rows = 262, .data = "030F0O0b0m0y0z1A1B1T1q1r20222E2M2o2p313M3N3g3h3r3t464D4F4a4c4y4-5A5K5d5m5z676H6Y6c6f6_717Y7f7j7m"
        "7u7_8A8T8Y8s8y939A9X9m9xACALAUAfAtA-BABZBmBsCCCECJCTCdCrD6DCDLDhDjE3E4EOEYEnEsF3F9FMFPFTFiFkFqG7"
        "GFGcGpGrG_H6HHHVHiI5IAIOITIaJ7JHJMJTJYJcJfJxK0KPKZKsKwL0L8LHLZLbLqM0M8MQMTMXMpNMNVNhN-OPOaOlOoOu"
        "P1P9PIPUPkPlQ9QHQJQSQTQeQgR2RLRNRiRkRwS4S6STSVScSnSyS-T8T9TKTNTTTxUMUTUlUsV3VIVTVeVmVwWVWWWeWkWm"
        "WrX5XQXVXoXsXyY5YlYqYvZ3ZEZHZSZTZgZqZraFaYaganapbIbJbPbtc3c6cPcacmcnd9dJdSdTdedgdqd-eRedeqf6fDfL"
        "fWfkg5gBgDgUgjgyhFhNhOhfhoi0i7iQiUipirjHjMjO"},
    {.cell = {7, 1, 1}, .how = How::Sum, .rows = 372, .first = {7, 0, 1}, .second = {0, 1, 0}},
    {.cell = {8, 0, 1}, .how = How::Matrix, .rows = 486, .data = "000,110,022,102,222|00110,00112,01220,01222,02000,02002,10022,10200,11010,11102,12120,12212,2010"
        "1,20121,21201,21211,22011,22021"},
    {.cell = {0, 9, 1}, .how = How::Rows, .rows = 62, .data = "05090J0Q0T0Y0l0q131C1G1i1r1s1x202E2M2d2j2n2u2_363F3N3P3U3X3g3q464D4G4X4e4t4v4-5A5H5K5V5W5d5f5u63"
        "6B6L6R6S6a6h6o75787I7k7o7p7z"},
    {.cell = {1, 8, 1}, .how = How::Rows, .rows = 84, .data = "000F0I0L0Y0i0x12191U1d1n1q1u272B2E2O2X2s2z343J3T3g3j3m3_43464A4S4f4m4t555G5R5W5k5o5z626D6H6V6a6l"
        "6w787F7M7Z7r7v7y898I8P8Y8b8-8_949B9C9N9h9n9uA7AEAKAeApAqAxB0B1BQBTBcBjBs"},
    {.cell = {2, 7, 1}, .how = How::Rows, .rows = 125, .data = "04080P0V0Y0v0_141E1J1Y1i1r2A2B2L2S2X2j2w373G3W3X3s3t3-414I4M4d4k4m4q595D5Q5T5c5h5u5x63676G6X6b6k"
        "6s7B7O7S7T7c7f7w7x898L8U8e8l8m8u8_92959I9Z9l9qA4ACARAYAgAzB0BEBHBNBiBnBtCACDCLCQChCpCyD1DMDWDdDl"
        "DmE0E6EJELEaEcEpF8FCFPFRFVFgFvFzGFGLGOGeGfGpG-H2H3HKHbHoH-"},
    {.cell = {3, 6, 1}, .how = How::Rows, .rows = 176, .data = "030D0H0a0k0o141A1N1S1Z1e1r1x202M2O2d2f2_37383K3R3a3h3t3u414I4j4-5B5E5T5Y5n5q62686K6U6X6h6t6z7F7P"
        "7c7m858J8i8w989K9X9h9t9yA5AEAJATAYAiAwBFBIBPBcBjBmC2CDCHCUCXCkCoCzDBDODdDnDqE1E4ENEeExE-F7FDFHFR"
        "FaFkFoFuG0GMGfG_HAHSHZHrI6IQIVIXIaIvJ3J9JGJlJsJvK3KCKLKRKUKgKpKyL5LBLJLSLYLjLrL-M6MCMLMVMWMgMpMv"
        "NGNINQNTNbNdNeNlO0OEOMOPOdOeOmOxP3PCPLPQPbPgPpPyQ6Q9QGQVQWQlQsQv"},
    {.cell = {4, 5, 1}, .how = How::Sum, .rows = 256, .first = {4, 4, 1}, .second = {0, 1, 0}},
    {.cell = {5, 4, 1}, .how = How::Half, .rows = 336},
    {.cell = {6, 3, 1}, .how = How::Sum, .rows = 504, .first = {5, 3, 1}, .second = {1, 0, 0}},
    {.cell = {7, 2, 1}, .how = How::Sum, .rows = 744, .first = {7, 0, 1}, .second = {0, 2, 0}},
    {.cell = {8, 1, 1}, .how = How::Sum, .rows = 972, .first = {8, 0, 1}, .second = {0, 1, 0}},
    {.cell = {9, 0, 1}, .how = How::Matrix, .rows = 1377, .data = "200,122,001,211,012,221|000120,000201,001010,001222,002002,002122,010111,011002,011220,012001,01"
        "2022,012102,020021,020112,021100,022212,022220,100000,100210,101001,101112,102221,110010,110200,"
        "110212,111022,111121,112002,112101,112210,120101,120120,121202,122011,200102,201200,201211,20202"
        "0,210012,210210,211021,211101,211122,212121,212200,220000,220222,221001,221121,222110,222201"},
    {.cell = {0, 10, 1}, .how = How::Rows, .rows = 120, .data = "090F0I0K0W0t0x13161O1T1g1i1l1n22252G2V2b2h2k2y35383J3Q3b3s3v41484L4U4a4h4j4-525D5J5U5d5m5v5-666C"
        "6R6n6o6t6u797F7K7W7Z7g7z8A8C8H8Z8c8u8z909N9R9f9l9o9qA5AMAPAVAbAeApAwB5BBBEBSBYBbBmB_C7CGCPCUCYCj"
        "CpC-D4DBDDDUDXDeDrD-E0E3EAETEfElEqFHFIFNFOFcFiFx"},
    {.cell = {1, 9, 1}, .how = How::Rows, .rows = 162, .data = "080E0J0T0d0m0x0y141B1I1X1e1r1-20262Q2h2i2r2s3D3G3N3S3Y3l3v42454E4N4O4a4f5D5H5K5Z5s5w5_6F6K6P6U6b"
        "6g6p6z7376787R7b7i7m818F8M8a8g8v929L9O9V9c9j9pA3A5A9AHASAoA_B1BEBRBdBeBqBwCCCGCRCZCrC-D7D9DADWDs"
        "DyD_EAENEWEcEjEuF4FEFIFTFhFnGBGKGQGYGjGtH7HCHPHhHmH-I0I5IHIVIXIkIuJ1JAJMJaJpJzK6KBKTKeKlKnKoKqL0"
        "LJLULbLkLvM1MCMIMdMqMxNFNLNONYNfNtN-"},
    {.cell = {2, 8, 1}, .how = How::Rows, .rows = 234, .data = "010A0l0s0u1C1G1N1Y1b1x242J2U2Y2f2r343F3P3Z3g3o3y474I4Z4i4n56595U5e5q5x646B6O6k6m6_717L7Q7Y7j7t82"
        "8D8I8L8P8S8V8a8g8z909B9T9d9m9n9-A7A8ATAXAsAxBEBJBKBaBgBjBuC1C6CTCWClCpCuD3DCDNDQDfDkDqEBEGEUEdEi"
        "ErEwF5F8FMFPFnF_GEGKGRGWGfGtH3H5HOHkHoHzI2IDIHIdIwIyJ8JMJVJaJhJnK6K8KbKgKpK-L0LFLHLQLdLfLqMBMGMN"
        "MXMiMsMvN5NENJNSNYNuN_O7OIOKOROhOiOnP4P9PUPhPtPuPzQ1QDQEQOQYQqQ_R2RLRRRWRcRjRoS0S8STSbScSwS-TATF"
        "THTJTXTlTqUBUMUNUbUeUpUvV7VCVGVSVvV-W3WEWfWmWtX5XMXOXYXiXxY4YHYQYYYlYyZ2Z9ZVZZZgZoZr"},
    {.cell = {3, 7, 1}, .how = How::Sum, .rows = 352, .first = {3, 6, 1}, .second = {0, 1, 0}},
    {.cell = {4, 6, 1}, .how = How::Rows, .rows = 510, .data = "00200L00R00a00e00i00z01101P01U01p02402F02Q02m02s03003703I03h03n03s03w04A04D04J04a04_05605905B05S"
        "05X05k05r06E06H06P06T06p06-07207F07K07Y07b07c07f07u08808N08d08h08j08m08x09109A09D09J09Z09m09s09v"
        "0A70AI0AW0Ah0Ar0Ay0B30B60B90BS0Bb0B_0CK0CO0CU0CV0CW0Cj0D20D50Do0Dv0Dy0E80E90EG0EN0Ec0Ek0Ep0F60FB"
        "0FW0Fk0Fr0Ft0GC0GH0GQ0GT0GZ0Gl0Gw0H10H30H40HR0He0Hs0Hu0IM0IR0IX0Id0Il0Iw0J40JE0JO0JV0Jj0Jk0Jp0K2"
        "0K90KH0KL0KY0Kg0Ky0L30LC0LT0Lg0Lq0L_0MM0MR0Md0Me0NF0NG0NH0NX0No0Nv0Ny0O50O80OB0OI0OS0Ov0P10Ph0Pm"
        "0Pt0P-0Q50QE0QU0Qa0Qo0Qz0RG0RX0Rc0Rl0Rt0R_0S60S80SB0SC0Sd0Sg0Sq0Sw0T20TJ0TT0TU0Tf0Tq0U80UM0UP0UY"
        "0Ur0Uy0V70VG0VI0VL0Va0Vx0W10WV0Wj0Wk0Wp0Wt0Wu0X10X30X40X50XQ0Xl0Xu0YU0Yg0Yn0Yp0Yz0Z60ZC0ZH0ZP0ZW"
        "0Zs0aA0aE0aL0aP0aa0ag0au0b30b50bH0bK0bR0bW0bj0b-0c70cF0cO0ci0cn0co0cp0d20dD0dH0dd0d-0eE0eQ0eR0eX"
        "0ee0et0f40fJ0fM0fT0fW0fh0fq0fz0gN0gS0gf0go0gv0gx0h00h90hN0hc0hq0iA0iF0iI0ib0iu0i_0j00jD0jG0jI0jl"
        "0jz0k30kB0kV0kq0ks0kv0l50l70lU0lb0lc0le0lx0m60mB0mS0mb0mf0mm0mp0n90nL0nS0nY0nl0nw0o40oA0oQ0oj0ot"
        "0p10pN0pV0pY0pZ0pi0pn0ps0q60qD0qJ0qL0qO0qX0qi0rA0rK0rP0rZ0rn0rw0r-0s70s90sO0sS0so0sv0tG0tL0tN0tW"
        "0ta0tl0tv0uA0uZ0uj0uk0uv0v00vE0vF0vJ0vT0vb0w60wO0wZ0wf0wm0ws0w-0x50xH0xK0xV0xY0xe0x_0yM0yT0yX0yg"
        "0yq0yt0yw0z10zC0zR0zi0-60-B0-I0-r0-y0_40_A0_M0_V0_Y0_l0_r10810E10T10c10p11011111M11R11f11q11w12X"
        "12i12s12x13513B13F13J13S13g13i13m14614P14Q14d14w14z15215315715815G15R15y16M16a16b16h16u16_17D17L"
        "17U17Y17k17n17p18418H18e18h18r18-19219319D19Q19X19y1AC1AF1AM1AT1Am1At1B91BI1BL1BN1BQ1Bc1Bk1Bp1Bu"
        "1C01CU1Cn1Cr1Cz1D31DC1Da1Dh1Ds1EE1EW1Ec1Ej1F71FA1FK1FP1Fd1Fg1Fo1Fx1F_1G01GJ1GO1GR1Ga1Gf1Gl"},
    {.cell = {5, 5, 1}, .how = How::Half, .rows = 672},
    {.cell = {6, 4, 1}, .how = How::Sum, .rows = 1008, .first = {5, 3, 1}, .second = {1, 1, 0}},
    {.cell = {7, 3, 1}, .how = How::Sum, .rows = 1488, .first = {7, 0, 1}, .second = {0, 3, 0}},
    {.cell = {8, 2, 1}, .how = How::Sum, .rows = 1944, .first = {8, 0, 1}, .second = {0, 2, 0}},
    {.cell = {9, 1, 1}, .how = How::Sum, .rows = 2754, .first = {9, 0, 1}, .second = {0, 1, 0}},
    {.cell = {10, 0, 1}, .how = How::Matrix, .rows = 3645, .data = "02112,21000,02002,12010,12112|00022,00102,00120,01201,02010,10001,11010,11111,11120,12222,20210,"
        "21022,22001,22102,22111"},
    {.cell = {0, 11, 1}, .how = How::Rows, .rows = 192, .data = "05080l0p0q1B1I1T1c1u2H2S2U2V2Y2f2-30373i3r3x434E4M4Q4W4v545H5U5g5j5t666A6I6S6T6V6b6y6-6_797E7M7Q"
        "7Z7m868G8R8X8g8z919C9N9X9n9-A3ADAUAaAtAuBABKBPBlBoC9CLCdCiCoD2DFDODXDqDxE0ESEUEVEhEnE-F5FJFcFeFz"
        "G2GNGPGiGwHEHKHWHZHbHfH_I4IBIdImIzJDJJJOJXJgJsKDKGKUKcKhKrL7L8LRLoLyM1MEMMMQMeMpN2NLNUNaNlNvO1OF"
        "OSOXOnOsP1PHPQPYPaPdPePhPjPnQ8QIQLQkQxR6RVRWRZRbRfRyS4SASJSXSuS_T1TMTTTXTkTnU7UPUYUjUqVBVCVGVtVw"},
    {.cell = {1, 10, 1}, .how = How::Rows, .rows = 284, .data = "000J0S0d0g0v1D1M1Y1h1k1r292E2a2o2_373G3R3X3g3y4F4L4Q4X4i4s53545P5m5_626N6T6h6u787L7U7c7j7p858V8Y"
        "8e8k8q8w989B9H9Q9W9c9l9o9uA3AMAOAjAnB4BABTBhBkBtC6C9CGCpCzDADNDSDbDeDhDwECELEREWEdE-F1FFFIFgFqFv"
        "G6GBGjGmG-H1HOHVHaHpI5IHIKILIQIZIeIrJ2JCJlJsJvK8KNKTKYKxLELILLLdLfLyM1M4M5MGMHMKMVMbMkMnMqMrNBNN"
        "NTNWNwOCOIOPOXOtP7PKPgPzQ0QFQcQxQyR9RJRURbRmS3SLSUSaSlSuT0TDTRTnTsUAUNUTUfUoV6VLVOVZViV_W6WJWSWj"
        "WmX1XAXVXeXkXrXwY9YLYQYZYaY_Z7ZCZGZsZva8aFaXasaxb4bIbPbdbgbyc2c5cHcKckcrcudBdUdWdjdpe5eAePeYehet"
        "f2fEfKfZfffifufxf-g0gFgMgggngyhJhThYhbhehhhwi3iGiUiaigizjAjDjNjYjkjnkCkRkdkfkol1l6lOlql_"},
    {.cell = {2, 9, 1}, .how = How::Rows, .rows = 432, .data = "00N00O00U00Y00a00f00l00r01301501A01C01P01m01s01x02302502802E02I02m02v02_03H03N03S03Y03a03h03j03-"
        "04104I04K04R04T04Z04e04k05005605F05j05n05t05w05y06406906F06c06p06r06w06y07A07G07M07R07T07X07d07e"
        "08608B08H08w09K09d09e09h09z0AT0AX0Ai0As0B00BF0BQ0Bp0CC0Cb0Cm0Cy0C_0D90DJ0DU0DY0E20EN0EO0Eh0F50Fk"
        "0Fq0Fv0G00GD0Gp0Gy0HI0HS0HV0HX0Hk0IK0IR0Id0Ig0J60J90JG0Jr0Ju0K70KA0Kl0Ks0Kv0LL0LO0La0Lh0MH0MI0MU"
        "0MW0Mj0N30NC0No0N_0O20O40O90OF0OJ0On0Ou0O-0PG0PM0PT0PZ0Pb0Pg0Pi0P_0QM0QP0QV0QZ0Qb0Qe0Qk0Qq0R20R4"
        "0RB0RD0RO0Rn0Rt0Rw0S50S80SE0Sd0So0Sq0Sx0Sz0TB0TH0TN0TQ0TS0TW0Tc0Tf0U00UJ0UL0UQ0US0UY0Uf0Ul0V10V7"
        "0VE0Vi0Vm0Vs0Vx0Vz0WS0WW0Wj0Wt0X10XE0XR0Xo0X-0Y70YA0YG0Yx0Z30ZL0ZM0Zc0Zf0Zy0a30aM0aP0af0ag0b40bl"
        "0br0bu0cD0ca0cn0c-0d80dI0dV0dZ0eL0eQ0ec0eh0f70f80fq0fv0g10gC0go0gz0h50hJ0hU0hW0hl0iG0iV0iX0ii0iw"
        "0j20jD0jp0j-0k60kB0kt0ku0lK0lP0lb0lg0m00mA0mC0mL0mc0mo0nU0nf0nl0nx0ny0oC0oR0og0on0ot0oz0p10p60p7"
        "0pI0pK0pO0pW0q70qP0qX0qh0qj0qu0q-0q_0r40r80rJ0rY0rr0s20sG0sM0sa0tB0tD0tV0tk0tp0tr0tv0u50u80uI0uV"
        "0uZ0uk0uq0uv0v20vD0vN0vO0va0vn0w40w90wJ0wU0wY0wl0wr0wu0xC0xP0xb0xg0xm0x_0y00yF0yL0yQ0yc0yp0z70zA"
        "0zG0zT0zX0zi0zs0zx0-10-E0-K0-R0-d0-e0-o0-z0_60_B0_H0_S0_W0_j0_t0_w10310E10M10P10b10e10m10_11411B"
        "11H11Y11j11t11w12212F12N12O12a12f12n12-13A13T13Z13i13s13x14414914J14S14Y14r15115E15M15R15d15e15m"
        "15z16516816T16Z16k16q16x17017F17N17Q17c17f17n17y"},
    {.cell = {3, 8, 1}, .how = How::Rows, .rows = 686, .data = "00400F00M00P00p01801C01W01j01l01s01w02Q02Y02d02f02y03003303A03H03V03n03s04204E04X04d04g04h04q04u"
        "05505B05G05c05p05_06806L06R06j06m06-07607D07S07b07e07v08108G08H08Q08Y08i08u08y09209N09T09U09X0A3"
        "0A40AT0Ak0At0B90BI0Bk0Bq0Bv0Bx0CA0CO0CZ0Cc0Ck0Cm0Cr0C-0DF0DJ0DK0DZ0Dv0E50EC0EI0EJ0EP0Ey0F00F10F5"
        "0FU0Fh0Ft0G00GD0GT0GV0H80HH0HI0HU0Ha0Hb0Hi0I10IM0Ia0Ip0Ix0J70JN0JQ0JY0Jh0Jm0Jo0Jw0Jz0K30K70KK0KR"
        "0Kf0Ko0Ky0L60LR0LW0Lg0Lj0Lt0Ly0M20MF0MO0Me0Ml0Mn0Ms0N90NC0NL0NO0Ns0O10OL0Oe0Ok0Oo0Oz0P20P70P80PA"
        "0PU0Pr0Px0Q60QB0QC0QG0QX0Qq0Q_0RT0Ra0Ri0Rj0Rp0Ru0SD0SJ0SS0Sc0Sd0Sn0Sw0T40TQ0Tf0Tl0Ts0Ty0U20UN0UP"
        "0UW0Ue0Uf0Ur0V10VE0VK0VR0Vk0Vl0W80WB0WM0Wb0Wk0W_0X80XL0XP0XT0XZ0Xa0Xm0Y40Y50YU0Yg0Yw0Yz0Z80ZF0ZI"
        "0ZJ0ZX0ZZ0Zd0Z-0a80aD0aY0ac0ag0am0a_0bI0bL0bU0ba0bv0c10cD0cE0cK0cN0cO0ci0d30dO0dX0dZ0dz0e10e90eS"
        "0ea0eo0fA0fH0fM0fP0fR0fd0fg0fi0fn0g70gF0gI0gc0gj0gn0g-0h00hU0hl0hq0ht0i10i60iJ0iX0ir0ix0jB0jF0jK"
        "0jd0je0jn0j-0kA0kO0kR0kW0kh0ko0ku0l50lC0lN0lY0lo0lw0lz0m70mH0mf0my0n00n90nb0nk0no0n_0oB0oK0oW0op"
        "0oq0ow0p60pF0pM0pO0pR0pc0pz0q50qQ0qe0ql0qs0qt0qv0r30r60rK0ru0rz0s80sA0sE0sJ0sS0sT0sg0sk0sm0tL0tX"
        "0tf0t-0u20uC0uE0uF0uP0uT0uU0uY0vC0vG0vN0vh0vn0w00wI0wb0wd0w_0x30xA0xG0xV0xa0xf0xi0xp0xy0y10yM0yQ"
        "0yR0yV0ya0yt0z70zJ0zS0zh0zp0zv0-20-b0-l0-s0-v0_40_E0_H0_e0_g0_m0_-10A10G10V10Z10h10r11611D11V11W"
        "11Y11i12412Z12x12y13B13D13I13O13d13t13x14714C14j14k14p14q14u15015115Q15j15q15s15w16716916H16L16U"
        "16W17617P17l17r18318B18S18b18e18m18n19119619R19h19t19y1A21AF1Aa1Ar1Aw1Ax1B51B91BG1BK1Bk1Bx1C01CL"
        "1CN1CQ1Ck1Cp1Cz1D41DF1Df1Do1Dr1EC1EP1EZ1Ee1E_1F61F91FJ1FT1FU1FZ1Fu1G91GD1GV1Gl1Gs1H21H41HE1HO1Hh"
        "1Ho1Hr1IA1IK1IM1IW1IX1Ib1Iq1Iy1J71JA1JH1JJ1JW1Jj1Js1K41K71K91KI1KN1Kj1Kx1K_1LA1LQ1LT1Le1Lq1Ls1MH"
        "1MU1MV1MW1Mg1Mj1Ms1N31NC1Ne1Nk1Nn1No1Nq1O61OB1OJ1OS1OX1OY1PF1PS1PW1Pl1Pp1Px1Q11QB1QG1Qd1Qr1Qu1R2"
        "1R41RC1RP1Ri1Rs1S81SZ1Sa1Sg1Sm1Sr1Sw1T11T51T91TM1Tc1Ty1U61UD1UN1UO1UZ1Uv1U-1VA1VD1VV1Vb1Vo1V_1W4"
        "1WE1Wh1Wn1Wu1W-1XD1XG1XH1XX1XY1Xc1Xd1Xu1Y31Y81YJ1YS1YT1Z91ZL1ZM1ZN1ZQ1ZV1ZY1Zd1Zz1aP1ai1aq1a-1a_"
        "1b31b81bB1bG1bL1bN1bb1bg1b-1c11c51cF1cM1cQ1cf1co1cs1da1dg1dn1dz1e21e71eH1eI1eS1eW1ev1fE1fJ1fi1fv"
        "1f_1gR1gc1gi1gk1gm1gp1gt1h01h71hK1hS1hh1hu"},
    {.cell = {4, 7, 1}, .how = How::Rows, .rows = 997, .data = "00400A00S00V00X00n01301L01o01w01-02M02O02P02Y02d03203V03h03i03j04F04J04X04f04k04p04q05105C05G05c"
        "05l05v06906D06G06c06l06s06x07707907E07t07z08J08f08i08m08y09409H09Q09m09o09t0A20A50AT0AU0Ab0Ae0Ax"
        "0BB0BN0BS0BZ0Be0Bo0C70CQ0CZ0Cm0Cr0Cy0D20D80DH0DM0DO0Da0Df0Dx0E10EB0EE0EK0Ej0E_0F70F80FJ0FT0Fg0Fr"
        "0Fu0G00G80GJ0GQ0Gs0Gv0Gw0HF0HM0HZ0Hr0H-0I20IP0Il0Is0Iz0J30JD0JM0JO0JS0JW0Jv0K40KB0KC0KX0Kw0Kz0LE"
        "0LI0LW0Lk0Lt0Ly0M80ME0MJ0ML0MU0MZ0Ma0Mm0N70NL0NR0Nb0Ng0O10O40OI0OL0OU0Of0Ou0O-0PQ0PV0Pd0Pi0Pp0Pq"
        "0Q30Q70Q80QA0QH0QS0Ql0Qq0R30R80RK0RP0RX0RY0Rx0SR0SY0Sf0St0T00TD0TE0Tk0Tn0Tz0UI0UP0UT0Ub0Ug0Ux0V4"
        "0VB0VH0Vk0Vt0WN0WV0WW0Wl0X50X60Xe0Xl0Xs0Xv0Y00Y60YD0YF0Yi0Yn0Yu0Yy0Z40Z90ZU0ZZ0Zm0Zw0Z_0aB0aF0aG"
        "0aN0ae0ai0aj0ap0b00bP0bU0bd0bq0c50cQ0cc0ce0cv0cy0cz0d30d60dL0dY0dh0dn0dz0e10e60eV0eY0e_0fA0fC0fL"
        "0ff0fp0fs0fu0fy0g60gB0gR0gW0gr0h00hJ0hS0hX0hg0h_0i00iF0iM0iZ0ir0iw0jD0jF0jM0ja0ju0j-0k10kC0kK0kO"
        "0kT0kk0kn0ks0l10lI0lM0la0ld0lx0m30mC0mv0m-0n50nV0nc0nj0nm0no0nq0o20o40o80o90oH0oo0ot0pA0pG0pR0pS"
        "0pX0pn0p-0qK0qb0qd0qh0qk0rA0rN0rP0rW0rj0s80sA0sH0sP0sY0sh0st0s_0t00t60tF0tQ0tb0ti0u30uJ0uS0ua0uf"
        "0uw0v90vG0vK0vl0vq0vs0vv0w50wB0wM0wk0wm0xJ0xT0xZ0xe0xg0y30yU0yj0yq0zI0zh0zn0zu0z-0-00-60-90-L0-R"
        "0-g0-w0_30_80_C0_T0_b0_c10210F10X10d10p10y11E11K11P11c11j11_12D12T12e13413A13D13N13d13n13s13-142"
        "14614F14G14I14c14n14t14z15U15W15h16716816C16O16V16a16b16h16k17117R17f17o17y18718918K18Q18y19R19h"
        "19i19o19r1AC1AT1AV1Aa1Ag1Aj1An1B11BB1BN1BT1Bd1Bu1C01CZ1Cj1Cs1Cv1Cx1D21D61DO1DU1Dn1Dr1D-1E11Ee1Ei"
        "1Et1F51F61F81F91FE1FG1FV1FZ1Fh1Ft1Fv1GI1GM1Gb1Gl1Go1Gv1H41Hg1Hj1Hx1Hy1IA1IB1IG1IS1IT1Ic1Ir1Iw1J5"
        "1J71JJ1JW1Js1KE1KJ1KK1KR1Kc1Km1Kx1Kz1L21L31LY1Lz1M51MO1MZ1Mf1M-1NF1NM1NO1NQ1Na1Nn1Np1O01OA1OH1OI"
        "1Ot1P21P91PC1PL1Pe1Pf1Pl1Pq1QA1QS1QV1QX1Qc1Qp1Qy1R11RI1RS1RX1Rm1Rx1Rz1S11S31SE1SK1Ss1St1T81TE1TR"
        "1TY1Tz1UD1UI1UP1Ue1Ur1V41V71VD1VF1Va1Vg1Vs1V-1W41W51WD1WO1WY1Wk1Wo1Wv1XB1XL1XS1Xa1Xl1YE1YO1YW1Yb"
        "1Yd1Yh1Y_1Z21ZH1ZM1ZN1Zf1Zp1a41aJ1aN1ah1ay1b81bQ1bi1bm1br1c01cA1cL1cM1cX1cl1cw1d71dP1dS1db1de1dt"
        "1dw1eI1eT1ei1eq1eu1ex1f51fB1fH1fi1fk1fq1f_1g91gU1gY1gd1gl1gp1h31h61hG1hV1hZ1hv1iE1iI1id1if1iu1j8"
        "1jD1jR1je1jf1jp1jq1k01kA1kD1kL1kY1kr1kx1k-1l51l71lA1lS1lX1lp1m31mQ1ma1mi1mm1mu1mz1n31n51nQ1nU1nW"
        "1nt1nx1nz1oC1oN1oW1og1oz1p11pK1pR1pS1pW1pY1pb1q51qE1qO1qV1qZ1qs1rF1rI1rk1rl1rv1s91sH1sL1sQ1ss1sv"
        "1t01t61t91tq1tw1u11u61uB1ud1uk1uo1up1uv1u-1vG1vM1vl1v_1wP1wU1wa1we1wp1x31xC1xL1xP1xc1xj1xm1xu1xw"
        "1yK1yL1yS1yV1yY1yh1yl1z51zA1zi1zn1zt1-51-R1-S1-W1-b1-h1-k1-s1_41_A1_H1_c1__20220620G20p20y21921H"
        "21R21Z21f21_22822F22N22P22d22g22v23123F23I23K23i23o23q24224F24I24M24P24Z24n25225A25i25j25w26126B"
        "26D26c26e26p27L27N27U27m27r28428M28a28-28_29J29O29d29h29u2A82AN2Aj2Ao2Aq2B42B72BT2BU2BX2Bg2Bu2Bx"
        "2By2CB2CG2CK2CQ2Cc2Cp2Cr2Cy2Cz2D02DC2Dg2Ds2E32EB2EE2EH2EX2Eo2FI2FJ2FO2FT2Fb2Fc2Fx2G32GB2GK2GT2Gf"
        "2Gw2H22HN2Hi2Hk2Hm2IC2IJ2IU2Il2Im2J92JD2JM2JO2Ja2Jb2Jw2K02K62KS2KZ2Kr2Kw2L92LH2LP2Lk2Ll2M82MH2MU"
        "2Md2Mn2Mt2Mx2My2N52NG2Ns2Nv2O22OK2OP2Oj2On2Ow2P32P62PB2Pa2Pe2Pt2Pw2Py2Q72QA2Qj2Qk2Qm2RC2RT2RV2RX"
        "2RY2Rp2SO2SY2Sa2S_2T92TE2TF2TJ2TQ2TZ2Th2Tr2U72UN2UU2UX2Ug2V02VV2Vd2Vo2Vv2W52WD2WI2WR2We2Wm2Ws2Wz"
        "2X32XK2XW2Xe2X-"},
    {.cell = {5, 6, 1}, .how = How::Half, .rows = 1344},
    {.cell = {6, 5, 1}, .how = How::Sum, .rows = 2016, .first = {5, 3, 1}, .second = {1, 2, 0}},
    {.cell = {7, 4, 1}, .how = How::Sum, .rows = 2976, .first = {7, 0, 1}, .second = {0, 4, 0}},
    {.cell = {8, 3, 1}, .how = How::Sum, .rows = 3888, .first = {8, 0, 1}, .second = {0, 3, 0}},
    {.cell = {9, 2, 1}, .how = How::Sum, .rows = 5508, .first = {9, 0, 1}, .second = {0, 2, 0}},
    {.cell = {10, 1, 1}, .how = How::Sum, .rows = 7290, .first = {10, 0, 1}, .second = {0, 1, 0}},
    {.cell = {11, 0, 1}, .how = How::TooLarge, .rows = 10935},
    {.cell = {0, 12, 1}, .how = How::Rows, .rows = 382, .data = "0A0B0G0H1U1V1c1d1e1f2M2N2a2b2w2x333C3D3m3n4T4Y4Z4u4v4-54555I5J5y5z60616E6F7O7P7g7h7s7t86878S8i8j"
        "8q8r8y8z8_90919o9pA8A9AYAZAyAzBKBLBQBRBkBlCCCKCPCUCaCbCiCjClCqCrCtCwDADBDTDuDvD-EIEJESEiEjEqErEy"
        "EzE_F6F7FWFXGCGDGWGXGsGtH2H3HKHLHwHxI2IOIPIkIlJAJBJyJzK6K7KQKRKyKzL8L9LkLlLmLnMKMLMeMfMoMpN2N3NU"
        "NVNaNbOIOJOgOhPEPFPOPPPaPbQ4Q5QUQVQmQnR2R3ReRfRsRtS0S1STSuSvS-TMTNTYTZTyTzUAUBUcUdVCVDVGVHVwVxW4"
        "W5WkWlWoWpX3XOXPXqXrY3YSYTYeYfZ0Z6ZBZIZYZ-Z_a8a9aMaNayazbEbFbWbXbwbxcQcRcccdcmcnd3dKdLdidjeQeReW"
        "eXfCfDfMfNfgfhgEgFgGgHgsgth3hahbhuhvi2i3iTiuivi-jGjHjcjdjyjzk4k5kgkhl8l9lUlVlolpm2mUmVmumvnAnBni"
        "njo1o7oAoJoZoqorp0p1p4p5p6p7pGpHpIpJpMpNpWpXpYpZpcpdpoppqGqHqaqbqgqhr2r3rSrTrsrts2sCsDs-s_tAtBtu"
        "tvu8u9uKuLucudv2v3vmvnv-v_w2wiwjwwwxxAxBxSxTyEyFyoypyyyzz4z5zQzRzezf-M-N-O-P-W-X_2_3_k_l_q_r", .found = "seed 5, 20 s"},
    {.cell = {1, 11, 1}, .how = How::Half, .rows = 568},
    {.cell = {2, 10, 1}, .how = How::Sum, .rows = 852, .first = {1, 10, 1}, .second = {1, 0, 0}},
    {.cell = {3, 9, 1}, .how = How::Sum, .rows = 1296, .first = {2, 9, 1}, .second = {1, 0, 0}},
    {.cell = {4, 8, 1}, .how = How::Rows, .rows = 1948, .data = "00700H00t00w00z01401M01O01Z01f02002802S02W02b02k02r03F03J03O03e03r03x04504C04J04Y04d05A05C05K05V"
        "05i05n05w06606906Q06x06y07307907K07Z07l07s08E08O08R08d08f08q08_09009L09T09Z09o09p09z0A70AH0AW0Af"
        "0Aj0Ak0A_0BA0BM0BT0Ba0Bh0Bx0CE0CX0Ce0Ct0Cw0Cy0DB0DH0DR0DW0Di0Dk0E30EK0EM0EP0Ev0F20F60Fd0Fz0GG0GT"
        "0GV0GX0H70HA0HN0Hb0Hh0Hq0IL0IQ0IY0Ia0Il0J00JQ0JX0Jg0Jp0Jz0K10K40Kc0Kg0Kh0K_0L30L80L90LB0LU0Lq0MC"
        "0MD0ME0MV0Mo0Ms0Mu0N50NG0Nd0Nn0Ny0OD0OO0OZ0Oa0Og0PD0PI0PJ0PS0Pc0Pr0Q20QV0QZ0Qk0Qm0Qp0R50RA0RC0RU"
        "0Rf0Rm0R-0S00SB0SM0SU0Sj0So0Sr0Sv0S-0T10TD0TO0TX0Tc0Tt0U10U70Ue0VC0VN0VR0Vb0Vm0Vu0W20W90WN0Wi0Wn"
        "0X40Xl0Xu0Xw0Xx0Y40YB0YI0YK0Ye0Ys0Yz0Z70ZA0ZH0ZY0Zb0Zd0Z_0aE0aU0aX0ao0az0b20b80bE0bH0bL0ba0bb0bg"
        "0bp0b-0c40c90cR0cd0ce0co0dV0db0dc0dv0e30eN0eg0eh0ek0em0eu0ez0f60fD0fH0fK0fQ0g50g80gF0ga0gn0go0h7"
        "0hE0hI0hZ0hf0hy0i30i40iD0iO0iq0jO0jR0je0jl0jx0k20kJ0kM0kT0kZ0kt0kw0l10lB0lT0lY0lm0lt0l-0mA0mJ0mT"
        "0mU0mY0mj0ml0n70nT0np0nu0o10oA0oG0oj0on0o-0p10pC0pG0pV0pZ0ph0pq0ps0q60q90qD0qk0qs0r00rQ0rY0rv0r_"
        "0s30sJ0sK0sP0sS0sW0su0sx0t40tE0tF0tV0tr0tw0u00uL0uR0ub0up0ur0uy0v70vC0vG0vX0vY0w70wQ0wc0we0wl0xJ"
        "0xM0xN0xP0xe0x-0y10y60yC0yO0ya0yq0ys0yw0yy0z40zB0zV0zh0zm0-90-L0-N0-j0_30_K0_L0_Q0_a0_g0_l0_v10I"
        "10L10R10d11B11P11U11d11e11i11p12812A12S12c12h12z12_13813m13p14F14H14c14f14p14v14y15115A15M15c15r"
        "15s15z16P16S16X16i16m16x16y17017D17E18018B18K18c18i18x19M19T19l19n19y1A31AD1AN1AO1Ac1Ah1B51BA1BL"
        "1BX1Ba1Bo1B_1C81C91CV1CZ1Cs1DJ1DW1Da1Df1Dq1Dt1EG1EH1EU1EV1Ed1Eg1Em1Ey1F01FN1FP1Fg1Fj1Fn1Fx1F_1G7"
        "1G81GI1Gb1Gr1G-1H11H61H71HF1HO1H-1I81IC1IZ1Ih1Ip1Iq1Iv1JC1JK1JN1JQ1Jc1Ju1K21K51KB1Km1L31LC1LK1LQ"
        "1Lb1Ls1Lv1Lz1Ma1Mk1Mp1M-1N61N71N91NR1NS1Nu1Nz1OS1Oa1Oe1Ol1On1Ow1P01PI1PL1PS1PZ1Pj1Po1Pz1Q21Q41QB"
        "1Qd1Qf1Qt1RB1RH1RP1RX1Rc1Ri1R-1SA1SJ1SM1SP1SS1SX1SY1Sj1Sm1TF1TV1Tg1Th1Tk1Tm1Tt1U01U51U81UF1UL1UU"
        "1Ur1Ux1V21Va1Vj1Vx1WH1WN1WQ1Wd1Wf1Wx1W_1X71X81XP1XY1Xe1Xk1Xr1Y41YF1YH1YI1Yu1Yy1ZF1ZW1ZX1Zg1Zt1a3"
        "1a41aE1aW1ay1b21bB1bE1ba1bw1cD1cG1cJ1cO1cb1cq1cw1d21d51d61dM1dT1di1dl1dv1eM1eQ1eT1eW1eg1ep1f11fG"
        "1fN1fj1fn1f-1g11g61gU1gY1gl1h91hN1hO1hR1hZ1hf1ho1hq1hw1i11i61i91iO1iV1iZ1ia1ih1il1iq1jE1jT1je1jn"
        "1jx1kB1kI1kb1kv1l11l41lQ1ld1lj1ly1l-1mO1mP1mZ1me1mk1mw1m_1n71nB1nC1nI1nN1na1nj1oB1oT1oq1ot1p11pH"
        "1pU1pi1po1pv1pw1q41qA1qD1qM1qS1qn1qr1rJ1rO1rm1rs1r_1s71sR1sc1sd1se1s-1t21t81tF1tK1th1tm1u91ul1uo"
        "1uy1v51vA1vS1vb1vn1vo1w51wF1wG1wU1wc1wg1wh1wm1wx1x81xL1xN1xj1xo1xu1y21y31y51yK1ya1yl1zA1zG1zV1ze"
        "1zt1z-1-71-81-J1-f1-r1--1_31_D1_S1_c1__20C20N20P20Q20W20v21121621Z21q21v21z22222L22j22p23D23M23R"
        "23W23k24624L24R24e24l24p25025825M25Y25c25_26C26N26c26i26w26z27327B27P27T27X27g27l27q28928U28k28l"
        "28m28y29J29L29Y29g29y2A42AE2AP2AT2AW2AY2An2At2B62BG2BI2Bb2Bh2Bx2C32CG2Cb2Cs2DE2DF2DL2DP2Df2Dw2E1"
        "2E92EO2El2Eu2Ew2E_2F42FA2FM2Fi2Fp2Ft2GQ2Gf2G-2H22H32Hg2Ht2Hu2I82IB2IH2IL2IS2IY2Il2Iq2Iy2I_2JD2JM"
        "2JW2K02KF2KM2KP2Kb2Kp2LC2LX2Lo2Lr2L_2M52MA2MD2MM2Mj2Ml2Mp2Mu2NJ2NL2NO2NR2NW2Nc2Nr2OY2Oi2On2Or2Ox"
        "2P52P92PU2Pd2Pl2Pn2Py2Q72QE2QG2QX2Qs2RG2RP2Rh2Ri2S42S72SC2SK2Sm2Sx2TF2TH2TP2TV2Tc2Tf2U22U62UR2Ut"
        "2Uw2VU2VW2VZ2Vk2Vz2WH2WO2WZ2We2Ws2Wz2W-2X52XA2XM2Xx2Xy2YI2YV2YZ2Yi2Z42Z92ZO2Zd2Zg2Zn2a12aB2aI2aO"
        "2ak2b02bL2bg2bj2bw2c42cB2cD2cV2ca2co2cq2cv2d72dA2dS2db2do2d_2eI2eT2eb2ek2f82fH2fQ2fZ2fj2fq2ft2g0"
        "2g92gD2gO2gb2gf2h72hE2hK2hn2ho2hx2iC2iN2iX2iY2iq2iu2j52jA2jB2jG2jk2jv2k32kM2kQ2km2l82lT2lj2ls2l-"
        "2m62m82mK2mT2mh2mw2mx2m_2n62nC2nJ2nS2nW2na2o82oJ2od2og2or2o-2p12p22pF2pV2pa2pc2pe2pu2qD2qJ2qW2r4"
        "2rG2rK2rR2rX2rd2rs2rz2s72sE2sK2si2sn2sw2tG2tV2tf2tk2tp2u02u22uL2uc2uh2uy2u_2vJ2vT2vU2vh2vu2w02w2"
        "2wP2wX2x22x62xF2xS2xs2yH2ya2yk2yo2yu2zA2zT2zX2zY2zi2zr2-92-C2-N2-Q2-R2-t2-z2_32_52_82_N2_Q2_b2_l"
        "2_r2_w2_z30830J30M30T30g30r30w31331F31N31i32G32T32X32b32e33033B33I33Y33q33u33v33_34C34E34R34g34n"
        "35135635935R35W35b35x36136E36M36l36o36u37D37E37N37m37q38K38U38d38f38_39039339O39i39l39p39s3A33AG"
        "3Ac3Ag3Ay3BE3BH3Bd3Bf3C13CA3CO3CS3CW3Ca3Cv3DU3Dh3Dl3Dm3D-3EA3EV3EZ3Es3F53F63FC3FJ3Fb3G73GI3Gj3Gt"
        "3G-3H83HH3HK3HV3Hn3Hs3IF3IL3IS3Ia3Ie3Ik3Ix3J93JQ3JZ3Jd3Je3Jw3Jz3K53K63KB3KF3KV3KZ3Kq3LD3LI3Ld3Le"
        "3Li3Lx3M63MP3MW3MZ3Mj3Mm3Mn3Mo3N43NK3NZ3Nz3N-3O23OA3OC3OI3Of3Om3P13P73Pm3Pq3P_3QD3Qa3Qk3Qp3Qs3Qu"
        "3R43R93RI3RL3RR3RY3SB3SF3SL3Sa3Ss3T03TB3TP3TU3Tp3UC3UG3UN3UX3Uc3Ug3Ux3V53VA3VM3VW3Va3Vl3Vv3Vz3WG"
        "3WT3Wf3Wp3Wy3Wz3XD3XQ3Xb3Xc3Xg3Xk3Xy3Y03YP3YU3Yh3Yn3Yo3Z33ZU3ZX3Zi3Zt3a03aH3aI3aL3ac3am3ar3bB3bJ"
        "3bM3bS3bh3b_3c33cV3ce3ci3c_3dD3dE3dG3da3dd3de3dw3e83eA3eU3ei3ep3er3eu3ex3f43fC3fL3fP3fX3fY3fu3g5"
        "3gl3gm3gn3go3hM3hP3hX3hy3i73iF3iI3iK3i-3j83jI3jj3jt3k63kA3kJ3kS3kX3kZ3kb3l63lF3lG3lO3lf3lr3lt3lv"
        "3lw3mD3mK3mR3mX3mt3m-3n73nE3ni3nu3nv3o73oH3oK3oQ3oh3p03p13pN3pZ3pb3po3pp3q73q83qA3qH3qd3qx3r43rQ"
        "3rd3rf3rs3rz3s23s93sO3sR3sj3st3tF3tJ3tS3tV3tk3tr3t-3u53u63u93uS3uY3ug3uz3v23vG3vH3vV3vW3vl3vn3vs"
        "3vx3wL3wU3wa3wl3wp3wq3x83xD3xS3xk3xv3y53yG3yN3yP3yc3yd3yx3zS3zY3zi3zj3-I3-d3-f3-q3_03_A3_F3_S3_V"
        "3_g3_i3_n3_w40140S40Y40d40k41641B41e41g41h41r41s42342C42T42l42m42-43O43t44844A44J44N44V44W44w451"
        "45445I45K45N45v46546646R46b46e46u47447647847j47p47q47_48X48o48v48y48-49849949I49M49Q49r49-4AF4AO"
        "4Ap4Aq4B54BJ4BT4BZ4Bh4Bs4Bu4C64CD4CR4Cf4D34DJ4DT4Da4Dl4Dm4E04EK4EL4Eb4Ec4Eg4F24FB4FK4FU4Fj4Fx4G2"
        "4GE4GO4Ga4Gh4Gt4Gw4HE4HR4HT4Ha4Hm4Ht4I94IH4IM4Ik4Iz4JC4JW4JY4Jd4Jz4K34KB4KF4KU4Ke4Kn4Kr4L04L44LR"
        "4LX4Lc4Ld4Lg4ME4MU4MW4MY4Mp4Mv4N64N94Ni4Ny4Nz4N_4OA4OI4OW4On4Oq4O_4PD4PN4PO4Pq4Pw4Q44Q74Q94QH4Qt"
        "4Qv4Qw4Qy4R14RE4RH4RN4RX4RY4Rb4Re4Rk4S54SQ4SU4SZ4Sj4Sm4TF4TP4TZ4Te4To4T-4U34U54UG4UV4Us4VI4VL4VQ"
        "4Vh4Vm4Vn4Vp4WE4WP4WU4Wb4Wg4Wt4Wu4X84X94XJ4Xq4Xw4Y14Y64Yh4Ym4Yz4Z34ZL4ZP4ZU4Zd4Zh4a44a64aQ4aj4am"
        "4an4av4b54bE4bG4bV4bZ4bk4by4c54cJ4cQ4ce4cr4c-4d94dD4da4do4e14e34eL4ej4el4es4fM4fW4fq4fv4fx4gF4gK"
        "4gO4gS4gY4g-4h24hH4hW4hX4hk4hu4iO4iV4iZ4ic4ig4ij4j24jF4jH4jW4jx4k44k94kC4kN4kQ4kV4kY4kv4le4ll4ln"
        "4ls4m14m74mG4mN4mW4mq4ms4nF4nM4nk4nn4nu4oB4oE4oQ4oT4oW4oz4o_4p74p84pA4pK4pb4ph4po4pp4pu4q24qD4qR"
        "4qe4qn4r44r54rH4rQ4rd4rf4ro4rt4ry4sH4sI4sd4si4sm4sx4t14t34tT4tV4ts4u74uK4uo4v24v64v94vL4vT4vU4vc"
        "4vp4w14w84wA4wR4wT4wl4wr4wy4xC4xG4xO4xc4xj4xx4xy4yP4yT4yV4yb4yc4yh4yi4z24z34zf4zm4z_4-M4-Z4-n4-w"
        "4_04_M4_R4_r50050C50J50b50k50p50u50z51B51C51S51b51g52A52C52a52f52t53753B53R53V53g53k"},
    {.cell = {5, 7, 1}, .how = How::Half, .rows = 2688},
    {.cell = {6, 6, 1}, .how = How::Sum, .rows = 4032, .first = {5, 3, 1}, .second = {1, 3, 0}},
    {.cell = {7, 5, 1}, .how = How::Sum, .rows = 5952, .first = {7, 0, 1}, .second = {0, 5, 0}},
    {.cell = {8, 4, 1}, .how = How::Sum, .rows = 7776, .first = {8, 0, 1}, .second = {0, 4, 0}},
    {.cell = {9, 3, 1}, .how = How::TooLarge, .rows = 11016},
    {.cell = {10, 2, 1}, .how = How::TooLarge, .rows = 14580},
    {.cell = {11, 1, 1}, .how = How::TooLarge, .rows = 21870},
    {.cell = {12, 0, 1}, .how = How::TooLarge, .rows = 32805},
    {.cell = {0, 13, 1}, .how = How::Sum, .rows = 764, .first = {0, 12, 1}, .second = {0, 1, 0}},
    {.cell = {1, 12, 1}, .how = How::Half, .rows = 1136},
    {.cell = {2, 11, 1}, .how = How::Half, .rows = 1704},
    {.cell = {3, 10, 1}, .how = How::Sum, .rows = 2556, .first = {1, 10, 1}, .second = {2, 0, 0}},
    {.cell = {4, 9, 1}, .how = How::Sum, .rows = 3888, .first = {2, 9, 1}, .second = {2, 0, 0}},
    {.cell = {5, 8, 1}, .how = How::Half, .rows = 5376},
    {.cell = {6, 7, 1}, .how = How::Sum, .rows = 8064, .first = {5, 3, 1}, .second = {1, 4, 0}},
    {.cell = {7, 6, 1}, .how = How::TooLarge, .rows = 11904},
    {.cell = {8, 5, 1}, .how = How::TooLarge, .rows = 15552},
    {.cell = {9, 4, 1}, .how = How::TooLarge, .rows = 22032},
    {.cell = {10, 3, 1}, .how = How::TooLarge, .rows = 29160},
    {.cell = {11, 2, 1}, .how = How::TooLarge, .rows = 43740},
    {.cell = {12, 1, 1}, .how = How::TooLarge, .rows = 59049},
    {.cell = {13, 0, 1}, .how = How::TooLarge, .rows = 59049},
    {.cell = {0, 1, 2}, .how = How::Half, .rows = 1},
    {.cell = {1, 0, 2}, .how = How::Rows, .rows = 1, .data = "0"},
    {.cell = {0, 2, 2}, .how = How::Half, .rows = 1},
    {.cell = {1, 1, 2}, .how = How::Half, .rows = 1},
    {.cell = {2, 0, 2}, .how = How::Sum, .rows = 1, .first = {1, 0, 1}, .second = {1, 0, 1}},
    {.cell = {0, 3, 2}, .how = How::Half, .rows = 2},
    {.cell = {1, 2, 2}, .how = How::Half, .rows = 2},
    {.cell = {2, 1, 2}, .how = How::Half, .rows = 2},
    {.cell = {3, 0, 2}, .how = How::Sum, .rows = 3, .first = {2, 0, 2}, .second = {1, 0, 0}},
    {.cell = {0, 4, 2}, .how = How::Half, .rows = 2},
    {.cell = {1, 3, 2}, .how = How::Sum, .rows = 2, .first = {0, 3, 1}, .second = {1, 0, 1}},
    {.cell = {2, 2, 2}, .how = How::Half, .rows = 3},
    {.cell = {3, 1, 2}, .how = How::Half, .rows = 3},
    {.cell = {4, 0, 2}, .how = How::Rows, .rows = 3, .data = "0E0Y18"},
    {.cell = {0, 5, 2}, .how = How::Rows, .rows = 2, .data = "2T"},
    {.cell = {1, 4, 2}, .how = How::Rows, .rows = 3, .data = "7Oe"},
    {.cell = {2, 3, 2}, .how = How::Rows, .rows = 4, .data = "050U0x10"},
    {.cell = {3, 2, 2}, .how = How::Rows, .rows = 5, .data = "0Y0f0h1K1L"},
    {.cell = {4, 1, 2}, .how = How::Sum, .rows = 6, .first = {4, 0, 2}, .second = {0, 1, 0}},
    {.cell = {5, 0, 2}, .how = How::Rows, .rows = 8, .data = "0J0i0s1l2C2J2x38"},
    {.cell = {0, 6, 2}, .how = How::Sum, .rows = 4, .first = {0, 5, 2}, .second = {0, 1, 0}},
    {.cell = {1, 5, 2}, .how = How::Half, .rows = 6},
    {.cell = {2, 4, 2}, .how = How::Rows, .rows = 6, .data = "0G0l1F1G1X1k"},
    {.cell = {3, 3, 2}, .how = How::Rows, .rows = 8, .data = "0P0U1L1Q232d383K"},
    {.cell = {4, 2, 2}, .how = How::Rows, .rows = 10, .data = "0O0t1J1m2m333i3p3_4y"},
    {.cell = {5, 1, 2}, .how = How::Rows, .rows = 12, .data = "031O2M2N3M3X3a4Z5N5W6X70"},
    {.cell = {6, 0, 2}, .how = How::Rows, .rows = 17, .data = "0G1D1U2X2z484e5S5s6x7C8E8h9Y9vAAAs"},
    {.cell = {0, 7, 2}, .how = How::Rows, .rows = 7, .data = "0Q0T0a1S1X1Z1d"},
    {.cell = {1, 6, 2}, .how = How::Rows, .rows = 8, .data = "070n0-181L1Z2J2i"},
    {.cell = {2, 5, 2}, .how = How::Rows, .rows = 11, .data = "070P0i1J1Y1r2h2y3W3-4F"},
    {.cell = {3, 4, 2}, .how = How::Rows, .rows = 13, .data = "12181t1z2R2U2n2q4r5L5_606g"},
    {.cell = {4, 3, 2}, .how = How::Sum, .rows = 18, .first = {0, 3, 1}, .second = {4, 0, 1}},
    {.cell = {5, 2, 2}, .how = How::Rows, .rows = 21, .data = "0w1c1f1z2-3w42455v6k72757z8v9AA8ABCmCpEqEt"},
    {.cell = {6, 1, 2}, .how = How::Rows, .rows = 27, .data = "071O2I3A3X4j5b6U6x7v9B9WAOBJCUDMDiEjFzG7HIIAJNJQKJLUMn"},
    {.cell = {7, 0, 2}, .how = How::Rows, .rows = 34, .data = "051_3d4O606e777Y8q95AaBPByCFD4E-FTHNIRKBKPKyLfMvOpQLRCSkTSTxVYVvWlXO"},
    {.cell = {0, 8, 2}, .how = How::Half, .rows = 12},
    {.cell = {1, 7, 2}, .how = How::Rows, .rows = 12, .data = "0F0K1f1o2O2p3E3b404k5J5z"},
    {.cell = {2, 6, 2}, .how = How::Rows, .rows = 16, .data = "020H0V0d0q0w5B5C5W5p5z757M7O7f7k"},
    {.cell = {3, 5, 2}, .how = How::Rows, .rows = 23, .data = "0h0s1b1u424K50575Q5T6E6J6K8fACAHAYB_CVCiCnD9DV"},
    {.cell = {4, 4, 2}, .how = How::Rows, .rows = 24, .data = "1b1g3G3V4Z4i6c6f7679838C9b9gCmC_E0EFGcGfHZHiJ5JA"},
    {.cell = {5, 3, 2}, .how = How::Rows, .rows = 36, .data = "001l1o3A3N3w475G5t5w7l7o828F9OABADByDKE4FRG4HyICJZKMM1NPO9PbPcQ9S1SHTjTk"},
    {.cell = {6, 2, 2}, .how = How::Rows, .rows = 48, .data = "0X0Y1r1w3T3U3s6C8K8N9xAlAzCYEOETFUFmHuHxJVKJKXM6NyO1QwQ-SHSLSMTwUFVZVnXMZCZHa9aIaXbvdTdoeWgeghiF"},
    {.cell = {7, 1, 2}, .how = How::Rows, .rows = 54, .data = "00H00L03O04307C07Y08u09E0C50C90Cg0DL0Gu0HZ0IA0IW0LN0LR0NH0NS0QQ0QU0Th0UB0VN0Vt0Z50ZG0Zi0Zm0dw0d-"
        "0ef0f90iN0iY0ji0kC0nP0nl0qL0qo0s10sU0vW0w00wh0x10-v0_F0_J0_m12o13I"},
    {.cell = {8, 0, 2}, .how = How::Sum, .rows = 81, .first = {4, 0, 1}, .second = {4, 0, 1}},
    {.cell = {0, 9, 2}, .how = How::Rows, .rows = 16, .data = "1L1Q1c1f333C3m3_404F4p4y6M6P6b6g"},
    {.cell = {1, 8, 2}, .how = How::Rows, .rows = 20, .data = "040t1y2h383J4Q4i5K5X636T7c7x8P9F9YAUAmBb"},
    {.cell = {2, 7, 2}, .how = How::Rows, .rows = 28, .data = "203c4F4V4p4y5L5Q5f6M6P737C7m7_8b8gCbCgEDEYE-FBFJFSFvG0Hc"},
    {.cell = {3, 6, 2}, .how = How::Rows, .rows = 36, .data = "0U0X3F3K3w454h4m525i5t888J8zA2APAiAtEPEcF5FhFmGUKFKKKXKwL8LJLzOcPPPUPXPc"},
    {.cell = {4, 5, 2}, .how = How::Sum, .rows = 48, .first = {4, 4, 2}, .second = {0, 1, 0}},
    {.cell = {5, 4, 2}, .how = How::Rows, .rows = 65, .data = "0f1d2m3N3w5Y5i7U7p8KADAZCMCOEeGsGzIbIhJXJlLdM9MlMrNwOGOoOsOyR9SKS-TNUZVeXoa8aCcTdXdle5eBetfPhAhW"
        "izl7lClamEnPnppjrou2uCwMwOwnw_xLxR"},
    {.cell = {6, 3, 2}, .how = How::Rows, .rows = 84, .data = "00000N00z06606H06Z06a08h08y0AI0A-0B90Fr0G20IT0IW0Id0Ig0KJ0KS0Ka0Ko0QL0Qe0Q_0SH0SM0So0XT0Xg0Yu0ZF"
        "0Zo0Zr0bc0bn0c30c40hB0hG0hN0hS0ja0js0k10lL0lY0r10r60rY0tB0tJ0tS0vr0w80wV0-M0-X0-p0-q10z11A15m167"
        "16g16j18518I1Ah1Am1At1Ay1GS1Gk1Gv1Ib1Iu1JF1KX1Kc1L21Q31QB1QK"},
    {.cell = {7, 2, 2}, .how = How::Sum, .rows = 108, .first = {7, 1, 2}, .second = {0, 1, 0}},
    {.cell = {8, 1, 2}, .how = How::Half, .rows = 162},
    {.cell = {9, 0, 2}, .how = How::Sum, .rows = 243, .first = {8, 0, 2}, .second = {1, 0, 0}},
    {.cell = {0, 10, 2}, .how = How::Rows, .rows = 30, .data = "0B1a1t2D2H3Y3-4M4u5O5b6g7Z7a7_8p9X9zA7ARBLBeBxC0CSCkDEDIEqFf"},
    {.cell = {1, 9, 2}, .how = How::Rows, .rows = 35, .data = "0F0p0y1L1Q1f606F6p6y7L7cAGAgB5B_CMCPCbD3DCDmG0HcIMIPIbJ3JCJmKLKgL_NQNf"},
    {.cell = {2, 8, 2}, .how = How::Rows, .rows = 48, .data = "1m2M2b334F4P4g6y7Q7f808p9L9cA_B8CPCgDCD_E8ExFTFkGMGbH3HmMFMqNINXO7OUOjPBPmTCT_UHUYV4VtWyXQXfYFZu"},
    {.cell = {3, 7, 2}, .how = How::Rows, .rows = 56, .data = "0P0Y141k1t6PAFAMAbAyB3BQBfBmE8EHExFTFcK7KUKjKqLBLILXLuO8OHOxPTPcYPYYZ4ZkZte8eHexfTfci0igipjCjLj_"
        "mFmMmbmyn3nQnfnm"},
    {.cell = {4, 6, 2}, .how = How::Sum, .rows = 96, .first = {4, 4, 2}, .second = {0, 2, 0}},
    {.cell = {5, 5, 2}, .how = How::Sum, .rows = 130, .first = {5, 4, 2}, .second = {0, 1, 0}},
    {.cell = {6, 4, 2}, .how = How::Rows, .rows = 158, .data = "00200S00-01B01P01j01s02802A02Z02m02_03804904L04Z05a05t0600Cj0R90RL0S00T30Td0U10VS0Vj0Vw0W60WU0Wx"
        "0X20X50XV0g40sl0st0tK0tT0tm0uK0ug0vE0vT0vY0vt0vx0w60x00x10xO0xZ0yP0yi14F14N14q15115q16A16k16z172"
        "17N17R17c18W18X18u19319v1AC1UY1Uy1VU1Vh1Vv1WD1WM1We1Wg1X31XP1XV1Xe1YW1Yr1Z31a41aN1bP1bb1cG1dJ1dt"
        "1eH1fi1fz1gA1gM1gk1hB1hI1hL1hl21q27927L28029329d2A12BS2Bj2Bw2C62CU2Cx2D22D52DV2EV2Ed2F42FH2G42GQ"
        "2G-2HD2HI2Hh2Hs2Im2In2J82JJ2Jb2K92KS2eo2fC2fk2fx2g52gT2gc2gu2gw2hJ2hf2hl2hu2im2j52jJ2kK2kd"},
    {.cell = {7, 3, 2}, .how = How::Half, .rows = 216},
    {.cell = {8, 2, 2}, .how = How::Half, .rows = 324},
    {.cell = {9, 1, 2}, .how = How::Sum, .rows = 486, .first = {7, 1, 2}, .second = {2, 0, 0}},
    {.cell = {10, 0, 2}, .how = How::Matrix, .rows = 648, .data = "2220,2111,0012,1202,0020,1200|001021,010021,012120,021201,100010,120122,202211,222000"},
    {.cell = {0, 11, 2}, .how = How::Rows, .rows = 44, .data = "0P1d2i2o3K4q5A677X7_818V9vAqBACgDCDIEPFdG6GzHWH-IhJDJJKcKjKpLLM0MUNuOOPcQjQpRLSrTBU6VWV-"},
    {.cell = {1, 10, 2}, .how = How::Rows, .rows = 62, .data = "051V1u2c3B3F3e505p5q6U6v888x8yBMBnC1DDENEYFkGIGXHBHyJyKlMBMCNLNoPdQTQwR3R4SMSqTQTfUXXiY3YGYtZRaP"
        "agayb6dbeEfHfYfqgjitk0lBlOl_"},
    {.cell = {2, 9, 2}, .how = How::Rows, .rows = 83, .data = "02O02a03203-04104z05R05d07L0CO0Ca0D20DK0D-0EF0Ep0Ff0GE0Gh0Go0HL0He0I10Iz0JL0JR0Jd0ON0PD0Pn0QF0Qp"
        "0Rf0SE0So0Te0UE0Uo0Ve0WF0Wp0Xf0Yg0ZK0cP0cb0d30d_0e00ey0fQ0fc0ih0jL0kM0lC0lm0mg0nK0oF0op0pf0qM0rC"
        "0rm0sh0tL0uP0ub0v30v_0wM0xC0xm0yg14N15D15n16016g16y17Q17c"},
    {.cell = {3, 8, 2}, .how = How::Rows, .rows = 96, .data = "00N00h01D01n02002P02b02y03303Q03c03_0GO0Ga0H20H-0IF0Ip0JL0Jf0W10WM0Wg0Wz0XC0XR0Xd0Xm0YE0Yo0ZK0Ze"
        "0e10eE0eo0ez0fK0fR0fd0fe0gM0gg0hC0hm0uN0uh0vD0vn0w10wO0wa0wz0x20xR0xd0x-0yO0ya0z20z-0-F0-p0_L0_f"
        "1GO1Ga1H21H-1IF1Ip1JL1Jf1K11KE1Ko1Kz1LK1LR1Ld1Le1MM1Mg1NC1Nm1aN1ah1bD1bn1c01cP1cb1cy1d31dQ1dc1d_"},
    {.cell = {4, 7, 2}, .how = How::Sum, .rows = 144, .first = {0, 7, 1}, .second = {4, 0, 1}},
    {.cell = {5, 6, 2}, .how = How::Sum, .rows = 216, .first = {1, 6, 1}, .second = {4, 0, 1}},
    {.cell = {6, 5, 2}, .how = How::Sum, .rows = 316, .first = {6, 4, 2}, .second = {0, 1, 0}},
    {.cell = {7, 4, 2}, .how = How::Half, .rows = 432},
    {.cell = {8, 3, 2}, .how = How::Sum, .rows = 648, .first = {7, 1, 2}, .second = {1, 2, 0}},
    {.cell = {9, 2, 2}, .how = How::Half, .rows = 729},
    {.cell = {10, 1, 2}, .how = How::Half, .rows = 729},
    {.cell = {11, 0, 2}, .how = How::Matrix, .rows = 729, .data = "122210,012221,212012,110111,222101|00000"},
    {.cell = {0, 12, 2}, .how = How::Rows, .rows = 78, .data = "030D1m2m3t3v4f5k6K6Q7X8d9UAaAgBJBTCpCzD0F7F9G-J4JAKWLNLPMZMjOGPZPjQNQPSEV0VqVwW6W8YFZoZybbbhcHdM"
        "eYeifLfRgXhOisiuk_l2lCmrmxnlp1qVrIrSscsetVvcvewIwSxly5yBzl_n"},
    {.cell = {1, 11, 2}, .how = How::Rows, .rows = 96, .data = "00601j02T03s04805Z06J07u08x09G0AW0BB0C-0DL0Eb0FE0Gm0HR0Ih0J00Kr0LU0Mk0N50OD0Pc0QM0Rz0S30Te0UO0Vp"
        "0XX0Xg0YH0YQ0a40aF0dq0d_0fN0fS0gd0gi0io0iv0l20l90mt0my0p70pC0rI0rP0sY0sf0u10uA0xn0xw0za0zl0-K0-V"
        "10110A13n13w15a15l16K16V18t18y1B71BC1DI1DP1EY1Ef1HN1HS1Id1Ii1Ko1Kv1N21N91PX1Pg1QH1QQ1S41SF1Vq1V_"},
    {.cell = {2, 10, 2}, .how = How::Rows, .rows = 150, .data = "00P01301_04z05R05d0Aa0B20B-0Cp0D40E00Ey0Fc0GM0Gg0HC0Hm0IO0Ib0J30J_0Qp0S10Sy0TQ0Tc0UF0VL0Vf0a00ab"
        "0cE0cF0co0cp0dK0dL0de0df0eF0eM0eg0fC0fL0ff0fm0gP0hQ0qM0qg0rC0rm0s10sz0tQ0td0uO0ub0v20v-0wN0wh0xD"
        "0xn12P12y13Q13c13d14g16C16b17317G17_18018b19319-19_1CP1DE1Dd1Dq1Eo1GF1Gp1HL1Hf1I01Iy1JR1Jc1SP1Sa"
        "1T31T_1UM1Ug1VC1Vm1W11Wa1YE1YN1Yh1Yo1ZD1ZK1Ze1Zn1iE1iF1ip1jK1jL1je1jf1kO1lR1qN1qh1rD1rn1sP1sa1t2"
        "1t-1u01uz1vR1vd1wE1xK1xe1-o20y21Q21c24O25225-28o2A12Az2Bd2Eb2F32F_"},
    {.cell = {3, 9, 2}, .how = How::Sum, .rows = 192, .first = {3, 8, 2}, .second = {0, 1, 0}},
    {.cell = {4, 8, 2}, .how = How::Half, .rows = 288},
    {.cell = {5, 7, 2}, .how = How::Sum, .rows = 432, .first = {4, 7, 2}, .second = {1, 0, 0}},
    {.cell = {6, 6, 2}, .how = How::Sum, .rows = 576, .first = {2, 6, 1}, .second = {4, 0, 1}},
    {.cell = {7, 5, 2}, .how = How::Sum, .rows = 828, .first = {3, 5, 1}, .second = {4, 0, 1}},
    {.cell = {8, 4, 2}, .how = How::Sum, .rows = 1152, .first = {4, 0, 1}, .second = {4, 4, 1}},
    {.cell = {9, 3, 2}, .how = How::Half, .rows = 1458},
    {.cell = {10, 2, 2}, .how = How::Half, .rows = 1458},
    {.cell = {11, 1, 2}, .how = How::Half, .rows = 1458},
    {.cell = {12, 0, 2}, .how = How::Sum, .rows = 2187, .first = {11, 0, 2}, .second = {1, 0, 0}},
    {.cell = {0, 13, 2}, .how = How::Sum, .rows = 156, .first = {0, 12, 2}, .second = {0, 1, 0}},
    {.cell = {1, 12, 2}, .how = How::Half, .rows = 192},
    {.cell = {2, 11, 2}, .how = How::Sum, .rows = 288, .first = {1, 11, 2}, .second = {1, 0, 0}},
    {.cell = {3, 10, 2}, .how = How::Sum, .rows = 384, .first = {3, 8, 2}, .second = {0, 2, 0}},
    {.cell = {4, 9, 2}, .how = How::Sum, .rows = 558, .first = {0, 9, 1}, .second = {4, 0, 1}},
    {.cell = {5, 8, 2}, .how = How::Sum, .rows = 756, .first = {1, 8, 1}, .second = {4, 0, 1}},
    {.cell = {6, 7, 2}, .how = How::Sum, .rows = 1125, .first = {2, 7, 1}, .second = {4, 0, 1}},
    {.cell = {7, 6, 2}, .how = How::Sum, .rows = 1584, .first = {3, 6, 1}, .second = {4, 0, 1}},
    {.cell = {8, 5, 2}, .how = How::Sum, .rows = 2304, .first = {8, 4, 2}, .second = {0, 1, 0}},
    {.cell = {9, 4, 2}, .how = How::Half, .rows = 2916},
    {.cell = {10, 3, 2}, .how = How::Half, .rows = 2916},
    {.cell = {11, 2, 2}, .how = How::Half, .rows = 2916},
    {.cell = {12, 1, 2}, .how = How::Half, .rows = 4374},
    {.cell = {13, 0, 2}, .how = How::Sum, .rows = 6561, .first = {11, 0, 2}, .second = {2, 0, 0}},
});

}  // namespace

std::span<const Entry> Catalogue() { return kEntries; }

}  // namespace stenvik::covering

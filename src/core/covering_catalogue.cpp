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
    {.cell = {6, 2, 1}, .how = How::Sum, .rows = 282, .first = {6, 1, 1}, .second = {0, 1, 0}},
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
    {.cell = {3, 6, 1}, .how = How::Rows, .rows = 178, .data = "01070D0b0g0l0s0x1I1Q1U1W1i1m1n1z2B2G2S2Z2c2f2s2t2u32383K3U3X3z4345464N4P4c4w585F5J5K5h5i5m5t656F"
        "6J6P6c6i6m6w787F7K7h7j7t7y82858P8U8X8c8w8z94999I9V9W9j9s9xA3AFALAOAdAgB3B4B9BEBnBsBxByC7CBCHCkCp"
        "CuD0DCDMDfDpDqD_EQETEYEbFAFDFSFZFrG1G6GRGaGoGvG-HGHNHeHlI3IEILIOIdIgInIyJ3J4J9JXJsJxKIKLKOKVKWKg"
        "KjLDLRLZLaLdLoMAMGMNMSMeMlMrN1N6NvN-O0OMOfO_PHPQPTPYPbPkPuQ7QBQCQpQq"},
    {.cell = {4, 5, 1}, .how = How::Sum, .rows = 256, .first = {4, 4, 1}, .second = {0, 1, 0}},
    {.cell = {5, 4, 1}, .how = How::Half, .rows = 336},
    {.cell = {6, 3, 1}, .how = How::Sum, .rows = 504, .first = {5, 3, 1}, .second = {1, 0, 0}},
    {.cell = {7, 2, 1}, .how = How::Sum, .rows = 744, .first = {7, 0, 1}, .second = {0, 2, 0}},
    {.cell = {8, 1, 1}, .how = How::Sum, .rows = 972, .first = {8, 0, 1}, .second = {0, 1, 0}},
    {.cell = {9, 0, 1}, .how = How::Matrix, .rows = 1431, .data = "000,021,210,211,211,102|000020,000212,001111,002022,002100,010110,011012,011201,012022,012121,02"
        "0011,020020,021120,021201,022001,022112,022220,100122,100200,101111,101222,102010,102202,110002,"
        "110110,111021,111102,112202,112211,120101,120200,121021,121210,122112,200122,200221,201000,20100"
        "1,201111,202010,202202,210110,210220,210221,211000,211012,212121,212202,220101,221210,222022,222"
        "102,222212"},
    {.cell = {0, 10, 1}, .how = How::Rows, .rows = 120, .data = "090F0I0K0W0t0x13161O1T1g1i1l1n22252G2V2b2h2k2y35383J3Q3b3s3v41484L4U4a4h4j4-525D5J5U5d5m5v5-666C"
        "6R6n6o6t6u797F7K7W7Z7g7z8A8C8H8Z8c8u8z909N9R9f9l9o9qA5AMAPAVAbAeApAwB5BBBEBSBYBbBmB_C7CGCPCUCYCj"
        "CpC-D4DBDDDUDXDeDrD-E0E3EAETEfElEqFHFIFNFOFcFiFx"},
    {.cell = {1, 9, 1}, .how = How::Rows, .rows = 162, .data = "080E0J0T0d0m0x0y141B1I1X1e1r1-20262Q2h2i2r2s3D3G3N3S3Y3l3v42454E4N4O4a4f5D5H5K5Z5s5w5_6F6K6P6U6b"
        "6g6p6z7376787R7b7i7m818F8M8a8g8v929L9O9V9c9j9pA3A5A9AHASAoA_B1BEBRBdBeBqBwCCCGCRCZCrC-D7D9DADWDs"
        "DyD_EAENEWEcEjEuF4FEFIFTFhFnGBGKGQGYGjGtH7HCHPHhHmH-I0I5IHIVIXIkIuJ1JAJMJaJpJzK6KBKTKeKlKnKoKqL0"
        "LJLULbLkLvM1MCMIMdMqMxNFNLNONYNfNtN-"},
    {.cell = {2, 8, 1}, .how = How::Rows, .rows = 248, .data = "01060T0f0l0t0w1G1I1J1T1a2B2C2W2s2z303J3S3U3d3g3j3n424F4O4Q4d4i4p55585B5E5N5h5q5v636H6M6O6Q6e6f6s"
        "6z707F7Z7i7o7x8A8K8P8j8m8q8-979C9X9Y9-9_A5AIAVAZAbAkAxB6B9BLBQBrBtBuC8CRCbCnCyDFDMDTDZDeDsDuE2E7"
        "EKELEfEkEpF1FCFQFgFqF_G4G9GIGWGXGgGrG_HHHSHcHjHwI4IDIOIUIfImIpJAJBJNJbJcJyK3KEKNKOKTKcKhKoKuL0L2"
        "L5LRLeLpLqMBMHMTMVMZMiMsMwN5NANGNUNWNlNvODOGOUOYOZOyP4P9PAPLPkPrPxPyQBQGQNQPQaQuQwR5R6RCRPRXRoR_"
        "S7SCSLSgSsSvT3T7TVTWTjTmTtU1UEURUYUaUdUlVIVKVPVTVeVnV-W0WBWJWbWeW_X9XHXMXOXQXdXkXzY0Y6Y8YSYjYnYr"
        "YwYyZ3ZFZJZaZhZo"},
    {.cell = {3, 7, 1}, .how = How::Sum, .rows = 356, .first = {3, 6, 1}, .second = {0, 1, 0}},
    {.cell = {4, 6, 1}, .how = How::Sum, .rows = 512, .first = {4, 4, 1}, .second = {0, 2, 0}},
    {.cell = {5, 5, 1}, .how = How::Half, .rows = 672},
    {.cell = {6, 4, 1}, .how = How::Sum, .rows = 1008, .first = {5, 3, 1}, .second = {1, 1, 0}},
    {.cell = {7, 3, 1}, .how = How::Sum, .rows = 1488, .first = {7, 0, 1}, .second = {0, 3, 0}},
    {.cell = {8, 2, 1}, .how = How::Sum, .rows = 1944, .first = {8, 0, 1}, .second = {0, 2, 0}},
    {.cell = {9, 1, 1}, .how = How::Sum, .rows = 2862, .first = {9, 0, 1}, .second = {0, 1, 0}},
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
    {.cell = {2, 9, 1}, .how = How::Rows, .rows = 479, .data = "00400I00U00X00g00h00u01D01H01a01h01u01_02302T02f02q02x02_03003703N03Q03Y03n03y04B04R04S04d04e04n"
        "04t05905E05G05M05Y05Z05i05z06606806H06k06l06o07H07U07Y07b07x08708F08G08I08R08Z08i08n08p08s096098"
        "09P09R09o09r0A10AM0AY0Ag0Ay0B10BC0BU0Bj0Bm0Bx0CA0CB0CL0CM0CS0CW0Cp0D30DP0DW0Dj0Dk0Dl0D-0ED0EQ0EV"
        "0Ea0Ef0Er0FA0FI0FK0Fd0Ff0Ft0Fu0G90GN0GW0Gc0Gz0HA0HJ0HK0HS0Hd0Hf0H-0IE0IL0IO0IP0Ib0Ij0Io0J00J40JB"
        "0Jk0Js0Jt0K20K50K80Kl0Kq0Kv0Kw0L40L50LQ0LV0Ln0Lw0M00M30ME0MG0MJ0MM0MZ0My0M_0N40NB0NF0NT0Ne0Nn0Ns"
        "0O60O80ON0Oh0Oj0Or0Oy0P20P30P40PO0PT0Pj0Ps0Pv0Q50QF0QG0QO0QS0Qc0Qd0Qp0Qw0RP0RR0Rc0Re0Rl0S10SR0SW"
        "0SY0Sa0Sd0Si0TE0TL0Te0Tv0Tw0T_0UA0UI0UK0UW0UX0Uf0Uz0V30VC0VD0VU0Vm0Vq0Vt0W00WK0WT0Wb0Wo0W_0X90XU"
        "0XX0Xd0Xg0Y80Y90YB0YE0YJ0YX0Yv0ZF0ZJ0ZL0ZO0Za0Zr0Z-0a10aA0aF0aO0aZ0ac0ap0au0bC0bI0bL0bN0bp0bq0bu"
        "0c70cH0cP0ci0cj0cs0c-0d00d60dR0dY0df0dh0do0dz0e10e30eC0eH0eQ0ek0et0eu0f70fF0fH0fi0fm0fx0g20gV0ge"
        "0gq0hA0hD0hI0hM0hX0hZ0hz0iD0iH0iM0iT0iU0if0it0j00jB0jI0jb0jc0jh0jy0k40kg0kl0km0kx0l10lN0lO0lS0lb"
        "0lk0lx0m30mL0mP0mV0md0mm0nQ0nW0nk0np0oA0oC0oJ0oM0oW0oi0oz0p10p90pE0pK0pb0pf0po0p_0q00qA0qD0qG0qj"
        "0qs0qx0q-0r60r70rF0rJ0rS0rX0rq0s50sN0sV0sZ0su0sv0tF0tG0tO0tT0ta0tg0tq0uE0ue0uf0us0uw0v50vB0vG0vH"
        "0vN0vy0vz0w10w40wQ0wT0wd0wl0wm0wt0x20xT0xZ0xc0xe0y40yJ0yO0yV0yb0yg0yr0yz0y_0z30z80z90zQ0za0zo0zx"
        "0-20-E0-S0-W0-m0-x0_50_M0_R0_d0_i0_n0_x10210D10R10S10Y10a10x11111811C11M11Y11l11r12712G12h12n12-"
        "13713C13H13V13q13u13v13w14714X14i14o15E15K15P15T15h15t15u16816916B16L16Q16c16r17217W17j17p17-"},
    {.cell = {3, 8, 1}, .how = How::Rows, .rows = 705, .data = "00C00F00G00O00P00Z00r00w01B01K01V01e01k01n02C02g02j02p02s03503603A03H03J03M03q03_04104204F04J04u"
        "04x05605705805L05T05b05m05z05-06006306I06J06S06W06k06r07907I07c07p07u08508A08M08P08W09Q09Y09f09i"
        "09t0AI0AM0AP0AV0Ad0Ah0Av0Ay0B40BB0BC0BS0BX0Bl0Bw0C90CL0CN0CY0Cn0Cy0D40D60DE0DI0DZ0Da0Dx0Dy0E20E7"
        "0ER0EU0EX0Ed0FO0FW0Ff0Fh0Fl0Fr0G80GR0GU0Ga0Gb0Gc0Gf0Go0HR0HZ0Hg0Hq0I60IG0IR0Ii0Im0Ix0I_0J10J50J9"
        "0JV0Jg0Ji0Js0Jv0K30KD0KK0Kc0Kk0Kl0L00LD0LH0Lh0Lt0Lu0Lz0M30M80MD0MT0Mm0Mq0Mw0NA0NJ0NN0Nc0Nf0Np0Nq"
        "0Nx0N-0OA0OB0Oc0Oe0O_0P00P10PJ0PT0PU0Pj0Po0Pt0Pz0Q10Q70QK0QR0Qa0Qi0Qr0Qu0RC0RT0RZ0Rk0Ro0Rz0S40S7"
        "0SH0Sg0Sj0Ss0Sz0T90TO0TU0TW0Tl0Tx0UD0UQ0Ud0Uf0U-0V20VF0VK0VN0Vi0Vn0WI0WS0WV0WX0Wp0Wq0Wu0X60X70Xg"
        "0Xq0Y80YE0YL0YY0Y_0ZB0ZG0ZR0Zb0Ze0Zs0Zz0a40a70aA0aH0aR0aa0af0b00bD0bU0bd0bs0cI0cT0cX0cq0ct0c-0d0"
        "0dF0dY0de0dg0dv0dy0eD0eH0eU0eW0ek0en0fN0fO0fa0fh0fo0g30g50gC0gc0gl0gn0gw0hK0hR0hX0hj0h_0iE0iI0iN"
        "0ib0io0iy0iz0i_0j10j30jE0je0jx0jy0k90kM0kO0kc0ke0l70lA0lL0lT0lf0lm0lp0lr0mQ0mY0mf0mh0mj0mp0m_0n5"
        "0n80nL0nP0nm0ns0n_0oD0oF0oH0oK0oa0ok0oo0ou0p30p60pB0pb0pr0q10q60qT0qk0qs0qu0r20rC0rF0rH0rS0rd0rv"
        "0rw0sA0sG0sN0sf0sz0tS0tT0tU0tW0td0tp0uO0uQ0uS0ue0uq0ur0v60vJ0vM0vV0vX0vl0w00w40wF0wH0wZ0wb0wt0wx"
        "0xF0xG0xI0xP0xg0xi0x-0y30yM0yS0ym0yv0z60zh0zi0zn0zu0-80-E0-T0-g0-h0-t0_90_C0_G0_N0_Q0_a0_b0_x108"
        "10F10I10L10Z10a10x11511911A11I11W11r11t12512P12V12W12o12q12y13213613813R13T13h13k13u14014414914B"
        "14d14h14k14-15415K15P15V15Y15j15n15-16216416J16U16j16n17117U17l17s17u18618918U18Y18l18u19219C19I"
        "19J19W19X19p19r19w19z1A61A91AB1AL1AN1AQ1AT1Ai1Am1Ax1BO1BY1Bd1Bi1Br1CB1CK1CQ1Cd1Cf1Ci1Cq1Ct1D51DE"
        "1DP1DT1Dh1E01EA1Ez1F01F71FE1FH1FU1Fh1Fs1Fu1G81GK1GZ1Gg1Gj1Gn1G-1HF1HG1HJ1HK1Hc1I11IC1IR1IV1Ia1Ib"
        "1Io1J21JD1JR1Ja1Jk1Jt1Ju1K01KC1KE1KG1KQ1Kd1Ks1LP1Lg1Lk1M41MZ1Ma1Me1Mv1Mz1N11N31ND1NK1NV1Nt1Nu1Nw"
        "1OB1OJ1OK1OT1Ok1Oo1Ot1PG1PM1PN1Pe1Pj1Pn1P_1QD1QF1QL1QO1QX1QY1QZ1Q-1R41RE1RI1RQ1Rh1Rq1S21S51S71SW"
        "1Sv1Sx1T91TA1TB1TS1TU1Ta1Tb1To1UA1UJ1UM1UP1Ul1Uy1V51V81Vc1Vn1Vz1W31W51WD1WO1WV1WX1Wb1Wl1Wr1Ww1X7"
        "1XF1XK1XR1Xf1Xp1Xq1YI1YS1Yc1Yl1Ym1Z41ZA1ZH1Zf1Z-1aE1aV1af1am1ay1b11b31bC1bY1bc1by1c01cB1cM1cP1ce"
        "1ci1cp1dH1dP1db1dw1d_1e21eH1eT1eV1ei1es1f81fC1fL1fQ1fZ1fv1f_1g71gG1gf1gr1gw1hD1hM1hR1hS1hW1hZ1hk"
        "1hm"},
    {.cell = {4, 7, 1}, .how = How::Sum, .rows = 1024, .first = {4, 4, 1}, .second = {0, 3, 0}},
    {.cell = {5, 6, 1}, .how = How::Half, .rows = 1344},
    {.cell = {6, 5, 1}, .how = How::Sum, .rows = 2016, .first = {5, 3, 1}, .second = {1, 2, 0}},
    {.cell = {7, 4, 1}, .how = How::Sum, .rows = 2976, .first = {7, 0, 1}, .second = {0, 4, 0}},
    {.cell = {8, 3, 1}, .how = How::Sum, .rows = 3888, .first = {8, 0, 1}, .second = {0, 3, 0}},
    {.cell = {9, 2, 1}, .how = How::Sum, .rows = 5724, .first = {9, 0, 1}, .second = {0, 2, 0}},
    {.cell = {10, 1, 1}, .how = How::Sum, .rows = 7290, .first = {10, 0, 1}, .second = {0, 1, 0}},
    {.cell = {11, 0, 1}, .how = How::TooLarge, .rows = 10935},
    {.cell = {0, 12, 1}, .how = How::Sum, .rows = 384, .first = {0, 11, 1}, .second = {0, 1, 0}},
    {.cell = {1, 11, 1}, .how = How::Half, .rows = 568},
    {.cell = {2, 10, 1}, .how = How::Sum, .rows = 852, .first = {1, 10, 1}, .second = {1, 0, 0}},
    {.cell = {3, 9, 1}, .how = How::Rows, .rows = 1380, .data = "00H00Y00k00q01901K01T01V01Z01k01n01q01u02202F02I02S02i02j02t02w03A03G03W03t04004604A04V04f04p04u"
        "04_05605C05G05M05x05z06E06P06Q06b06r07207307D07R07S07a07l07x08308708D08M08O08Q08b08h08k08v09009B"
        "09L09d09j09o0A30A40AJ0Am0At0B40B50BP0Bj0Bo0B-0C80CE0CH0CJ0Cq0C_0DD0Da0Dg0Dn0Dy0ES0EV0EY0Ec0Ee0Ef"
        "0Ei0Ej0F00FM0Ff0Fg0Fn0Fs0G40GB0GT0GV0Gb0Ge0H20HJ0HU0Hb0He0Hm0Hp0I80IE0It0Iv0Iy0JC0JV0JZ0Jc0Jx0K9"
        "0KS0KX0Ko0Ks0Kx0K_0L10L70LH0LI0LL0LQ0Lk0M30M50MB0MG0ML0MX0Mg0N80NL0NM0Nt0Nu0O70OC0OG0ON0Of0Oj0O-"
        "0P30PQ0PT0Pa0Pc0Px0Q20Q50QC0QR0QZ0Qg0Qn0Qz0R90RM0Rf0R_0S50SI0SP0Si0Sn0So0T50TB0TU0TW0Td0Tg0Tm0Tn"
        "0Ty0UF0UN0UP0UZ0Ui0Uo0V40Vm0Vo0Vr0Vu0WD0WR0WW0Wo0Wp0Wy0X20XC0XK0XX0Xi0Xw0Xz0Y60Y80YD0YL0YM0YT0Yu"
        "0Yz0ZH0ZU0ZY0Zl0Zp0Zq0a40ad0af0ag0al0a_0bB0bJ0bN0bO0bd0bw0c10cA0cG0cp0cq0cx0cy0dE0dJ0dO0dT0db0dk"
        "0e10eA0ec0er0fF0fP0fS0fX0fZ0fs0fw0g10gK0gO0gQ0gR0ga0gh0gl0h00h70hA0hN0he0hs0hz0i30iL0iU0it0iu0ix"
        "0j60j80jF0jj0jq0k60kC0kU0kW0kz0k-0l50lI0lJ0lU0lW0lh0lo0lz0m50mB0mG0mY0mZ0mu0mw0n80nE0nI0nT0na0nt"
        "0o10oS0oU0oc0oz0p00pF0pJ0pL0pO0pY0pb0pc0px0py0qB0qK0qS0qZ0qk0qr0rH0re0rj0rs0rx0s70s80sJ0sK0sT0sh"
        "0sm0sz0s-0t70tA0tH0tX0t-0u70uC0uG0uR0uU0ui0v10vc0ve0vl0vp0w40wA0wG0wW0wX0wf0wk0wr0xB0xE0xF0xN0xS"
        "0xW0xe0xm0xv0y20yT0yf0ym0ys0yy0z00z30z40zR0zV0zY0zr0zy0-50-70-A0-P0-w0_20_90_I0_Z0_v0__10C10H10I"
        "10M10i10n10_11511A11G11M11O11d11h11q11_12212D12N12m12o12p12_13913Q13k13n14014F14Q14a14b15B15F15N"
        "15V15W15Y15v15-16P16U16a16d16e16g16p16t17317K17P17i17j17k17q18618L18O18X18x19719I19e19i19j19x1A9"
        "1AL1AX1Ao1A_1B31B41B61B71BP1BQ1Bt1Bv1C31CB1CC1CU1Ca1Cd1Cm1D01DJ1DO1DY1Dr1D-1EM1EN1Ef1Ek1Ey1F51FA"
        "1FD1FG1FZ1Fv1F-1G41GF1GI1Ge1Gt1Gu1H11HR1HS1HY1Hm1IU1Ia1Ig1Ij1J21J81JN1JV1Jc1Jh1Jp1Jr1Jy1KK1KP1KT"
        "1Kc1Kv1Kw1L21L71LU1Ll1Lr1Lw1M11M61MA1MH1MT1Mh1Mt1NB1NC1NG1NW1O51OA1OG1OZ1Oa1Or1O-1P81PA1PE1Pl1Ps"
        "1Pv1Pz1QC1QJ1QR1Qc1Qe1Qo1R11RH1RK1RW1Rl1R-1SC1SJ1SN1SU1Sd1Si1Sj1T41T91TV1Tf1Th1Tm1U01UF1UO1Uq1Ux"
        "1VJ1VT1VY1Vb1V-1W91WD1Wg1Wr1Wx1W_1X01XB1XH1XU1Xc1Xm1Xo1Y01Y21YG1YN1YQ1YW1Yj1Yq1ZS1Zb1Zg1Zk1Zp1a5"
        "1aE1aI1ah1au1aw1az1a_1bE1bK1bf1bv1c81cF1cc1cn1cp1cw1d11d81dI1dL1dV1dY1dc1e31eE1eF1eH1eS1ea1eo1f5"
        "1fN1fQ1fV1ff1fh1fm1ft1g41g51gB1gZ1gi1gv1g-1g_1h01hE1hG1hI1hT1hf1hr1i01iN1iS1iX1j61jD1jH1jZ1je1ji"
        "1js1k31kU1kj1km1ko1kt1ku1l71lK1lP1la1lj1lx1m81mM1md1mj1n81nL1nX1nc1nw1ny1nz1o21o61oT1oh1on1ou1pD"
        "1pR1pZ1ps1pu1q91qB1qD1qP1qR1qW1qY1qk1qq1r31rG1rM1rR1rb1rp1r_1s41s91sN1sU1sk1sn1tA1tQ1td1te1tn1ty"
        "1u41uA1uJ1uV1ul1us1uy1v71vC1vZ1vm1wD1wE1wd1we1wn1wv1x11x61xM1xm1xz1x_1y11yH1ye1ys1z71zO1zQ1zT1za"
        "1zc1zt1-21-K1-P1-R1-Y1-b1--1_B1_C1_e1_h1_i1_l1_o1_t1_z20920L20Z20q20x20z21521921D21M21P21b21d21k"
        "21m21-22222722O22P22d22n22s23123d23w24024A24F24b24c24j24p24x24-25A25I25M25X25p25z26C26R26Y26b26f"
        "27C27J27L27U27k27q27u28928Q28V28W28f28g28p29229329729L29w2AB2AJ2AK2Ab2Ah2Aw2B42B82BK2BR2BU2BY2Ba"
        "2Bf2Bi2Bt2C12C62CL2Cu2DC2DS2Dg2Dl2Dn2Dp2Dt2Dy2E12EG2EI2EZ2Em2Es2Ey2Ez2E_2F02F62F72F82FF2Fn2G02G8"
        "2GR2GU2Gd2Go2Gz2H32H52HU2Hn2I42IA2IT2Ih2Ik2Iu2J12JJ2JU2JY2Jh2Jq2Jz2KD2KF2KG2KL2KU2Kg2LB2LC2LF2LP"
        "2LX2Lb2Lo2Lt2Lw2M12M42MW2Mb2Mr2Ms2Mx2N22NJ2NN2NP2Ne2Nk2Nq2ON2Of2On2Os2P62PA2PE2Pa2Pu2Px2P_2Q02Q9"
        "2QE2QG2QK2Ql2Qx2RD2RQ2RX2Rk2Rr2Ru2S52SB2SW2SZ2Si2Sy2T82TI2TK2TP2TZ2Tt2UI2UZ2Ui2U-2V72VF2VH2VQ2Vd"
        "2Vo2Vz2V_2W12WP2WS2Wa2Wl2Ww2XD2XG2XN2XW2Xy2Y72YH2YM2YW2YY2Yp2Yz2ZB2ZI2ZO2Zb2Zf2Zg2Zq2Zr2a22a62aV"
        "2ag2an2aq2ar2bQ2bZ2bc2bf2b_2c82cO2cV2ci2cl2cs2cu2d02d42dE2dF2dJ2di2dn2e12eA2eK2eV2eZ2ee2ei2fD2fO"
        "2fc2fe2fl2fr2fs2gP2gn2gs2gw2h22hE2hF2hL2hW2hd2hi2hw2i82iJ2ia2ic2ii2iq2j22jN2jl2j_2k02k62k72kB2kS"
        "2kT2kf2k_2lQ2lZ2lj2lq2lv2m22mT2mb2mh2mu2m-2n72n92nH2nY2ny2o82oJ2oU2ob2oc2od2oe2oo2p32p42pM2pR2pv"
        "2qE2qM2qQ2qr2qx2r12r42rH2rV2rY2rj2rv2sD2sL2sP2sT2sg2sm2sq2t22t42tX2te2tg2th2tt2t-2u42uA2uI2uJ2um"
        "2ut2uv2v42vI2vJ2vU2vh2vk2vp2w12wD2wF2wY2wt2wy2xG2xO2xb2xm2x_2y72y92yG2yX2yi2y-2zA2zG2zR2zS2zT2zl"
        "2zp2zq2zu2-H2-I2-Z2-b2-f2-x2_92_C2_G2_N2_c30630P30b30x31F31K31R31X31f31g31n31r31v31-32332I32N32P"
        "32a32l32q33833A33C33g33p34D34N34Q34U34W34t34v35235935N35d35y36E36Y36f36k36u37537G37H37M37V37p386"
        "38B38C38G38Y38f38g38m38q38t39039J39Q39T3A53AV3Ax3Ay3BA3BH3BS3BZ3Bj3Bl3Bs3C13C33C43CN3CO3Ce3Cl3Co"
        "3D53DE3Dh3Dk3Dm3D-3E03EL3EM3EN3ER3El3En3Ev3F93FS3Fa3Fc3G33GC3GE3GL3GO3GS3Gc3Gk3H13HR3Hd3He3Hi3Hj"
        "3Ho3I03IL3IQ3IX3If3Ik3I-3J63J73JI3JT3Js3Ju3K83KJ3Kh3Ko3Kz3L43L53LM3LP3LW3MA3MD3ME3MK3Md3N33NS3NW"
        "3Nh3Nr3Nw3Nx"},
    {.cell = {4, 8, 1}, .how = How::Rows, .rows = 1982, .data = "00100C00O00l00p00t00u01B01U01X01Y01q01u02302J02N02R02a02j02w02x03N03P03p03q03v03w04204604E04K04O"
        "04U04i04m04n05B05H05L05T05d05k05z06506806R06S06U06r07E07I07W07d07v08208V08b08s09409709809D09G09w"
        "09z0A90AZ0Ag0Am0At0Ax0Ay0BD0BJ0BS0Bc0Bh0Bi0Bt0C70CI0CM0Ca0Cj0Cz0DJ0DN0Di0Dx0Dy0D_0E90EE0EK0EX0Ee"
        "0Es0Ez0F60FC0FO0Fb0Fh0Fm0GN0GV0GX0Gw0H50H80H90HJ0HQ0HV0HZ0Hr0Hw0I20IH0IY0Id0Ik0Im0Iz0J40J90JL0JO"
        "0Jl0Js0K10KC0KP0Kc0Kh0Kq0LE0LG0LP0LW0Lo0M00MC0MF0MH0MI0ML0MV0N30NQ0Nb0Ne0Nr0Nt0OA0OK0OL0OT0O-0P5"
        "0PI0PL0PS0Pc0Pd0Pf0Pj0Q60QA0QK0QQ0QW0Qd0Qi0Qv0R00R10RF0RT0Rp0R-0S50SZ0Sa0Sf0T20TK0TR0Tg0Tw0Tx0T_"
        "0UB0UG0Uf0Uo0U_0V70VE0VN0Vn0Vy0WJ0WS0We0Wl0Wn0Ws0X10XQ0XV0Xi0Y60YD0YE0Yc0Yu0ZM0ZP0ZY0Zb0Zh0Z-0aN"
        "0ad0af0aq0au0bC0bL0bN0bQ0ba0b-0c60cA0cD0cG0cY0ck0cn0cz0d20d60dG0de0dl0dn0dp0ds0e30eI0eT0eV0eb0eg"
        "0e_0f60f80fM0fp0g00ge0gp0gs0h10hC0hR0hS0hV0hd0hj0h-0i10iB0iC0iJ0iq0i_0j90jL0jY0jl0jo0jv0jy0k70k9"
        "0kP0kQ0kT0kb0km0lA0lK0lM0lX0lb0ll0m80mH0mW0mg0nF0nK0ng0nn0ns0o20o50oI0oJ0oh0ol0oy0p50pO0pT0pU0pY"
        "0pg0q30qD0qG0qp0qu0rD0rP0rS0rd0rh0rk0s90sE0sK0sN0sP0sU0sa0tI0tJ0tN0tX0tY0to0tr0tx0t_0u40uQ0uU0uV"
        "0ue0uf0ur0u-0v10v20vR0vd0vj0vu0w90wG0wc0wm0ww0x00xF0xi0xv0xy0y00yF0yO0yX0yi0yo0yx0z30z60zU0zW0zf"
        "0zn0zz0-50-S0-t0-v0_90_L0_R0_a0_g0_q10010610H10M10c11A11N11b11m11q12512812J12l12q12v12w133136138"
        "13D13Z13e14414714B14M14O14j14w14z15B15D15O15W15k15m15p16E16N16Y16Z16i16_17H17I17T17b17s18418E18I"
        "18R18S18j18q19019819E19G19Y19j19x1A81AL1AN1AQ1AX1Al1Aw1B31B41BB1Bd1B-1C91Ct1Cw1D51D71DJ1Df1Dp1Ds"
        "1Du1EF1EG1EX1Ec1Eh1Eu1Ey1F21FL1FP1Fg1Fi1Fj1Fr1F_1G81GL1GW1GZ1Gk1Gv1HQ1HV1HZ1Ha1Hf1I31I41IM1In1Iy"
        "1J11JO1JV1Jo1KO1KR1KS1Kb1Kc1Kn1Kr1K_1L01LD1LZ1Lu1Ly1M21MD1Ma1Ms1Mw1N51NA1NH1NI1NV1Nd1Nf1O01OA1Ol"
        "1On1Ov1Oy1Oz1PG1PL1PU1PW1Pa1Q71QJ1QK1QY1Qj1Q_1R81RB1RU1Rm1Rr1S61SD1SF1SN1SZ1So1T21T61T81TK1TM1Tg"
        "1Tn1T_1UA1UG1UR1UU1Uf1Uj1Up1VT1VW1Vk1Vp1W31W71W91Wh1Wi1XP1Xn1Xq1Xt1Xw1X-1YH1YV1YW1Yk1Ym1Y-1ZA1ZM"
        "1Zj1Zu1Zz1aC1aM1aR1ae1at1au1ay1b11bC1bF1bl1bo1c21cC1cT1cb1dD1dG1dQ1dU1dZ1dc1dv1eG1eU1eY1fB1fJ1fP"
        "1fT1fb1fr1ft1g11gB1gO1gd1gf1gp1gq1gr1h41h71hC1hY1hu1hx1i71iR1iW1ig1iz1j31jI1jM1jf1jn1jy1j_1k01k8"
        "1kF1kM1kS1ks1l51l81lL1lZ1lk1ly1l_1mB1mD1mK1mZ1mh1mt1m-1n01nC1nP1na1nb1ne1np1oD1oF1om1ou1p21pK1pN"
        "1pT1pV1pY1q81qH1qb1qo1rF1rM1rR1rj1rk1rn1s11sE1sO1sQ1sa1sd1si1sl1sp1sv1t01t21tB1tY1tn1ts1u41uB1uG"
        "1uR1uk1um1uq1v21v41vA1vD1vT1ve1vt1vz1wJ1wX1wg1wi1wp1x81xI1xJ1xP1xU1xd1xu1y11y41yB1yS1yb1yd1ye1yn"
        "1z61z71zc1zh1zm1zo1-61-81-M1-h1-m1-x1_71_A1_X1_f1_i1_p1_y20A20J20b20c20p20u20_21L21O21W21-22L22O"
        "22T22-23123F23K23Y23b23j23x24E24O24R24Y24f24w24_25525B25E25p26D26H26Y26l26n26r27627727Q27a27e27r"
        "27v28828I28Q28z29029H29U29W29l29s2A32A42AL2AP2Ag2At2Ay2B92BH2Bj2Bl2Bs2Bw2C02C92CN2CU2Cc2Ci2Cq2Cx"
        "2D52DA2DT2DZ2Dq2Du2Dv2E32E72EU2EZ2Ef2Ez2FA2FC2FG2FV2Fm2Ft2G22G52GU2Gl2Gp2H12HF2HO2HR2Hc2Hi2Hm2I7"
        "2I92IC2IP2IW2Ig2Iq2I-2JL2JU2JZ2Jo2K42KX2Kf2Ks2Kv2LF2LG2LT2LX2Ll2Lw2MH2MI2MJ2Mf2Mk2Mt2Mw2Mz2N22NJ"
        "2NQ2Na2Nf2Nh2Nq2Nx2O62OG2OR2OV2Oc2Og2Oy2P62P92PU2Pd2Pt2Q82QL2QV2QW2Qh2R32R52R82RK2RP2Ra2Ru2Rw2Rz"
        "2S62S82SB2ST2St2Sv2T52TK2TZ2Tb2Tv2T-2UG2UQ2UV2Uc2Uj2V02V42VB2VE2VW2Vj2Vt2V-2WE2WI2WL2WN2WY2Wi2Ww"
        "2X32XR2XS2XX2Xz2Y52YA2YS2YZ2Yj2Z92ZM2Za2Zu2Z_2a02a52al2bA2bC2bJ2ba2bg2bq2bs2bv2c32cM2cR2cS2ce2cn"
        "2co2cq2ct2dF2dG2dL2dZ2dk2eJ2ea2er2f82fA2fG2fK2fg2fi2g32gB2gM2gN2gj2gu2gx2hE2hT2hX2hd2ho2i72i92iQ"
        "2iS2ih2im2ir2i-2j92jN2jY2ji2jt2kE2kQ2kV2kW2kX2kc2l22l52lE2lO2ln2mP2mX2mZ2me2mr2n62n72nU2nr2nx2n_"
        "2o02o42oD2oE2oK2ob2ok2oo2pH2pJ2pU2pf2pg2py2q92qH2qe2qx2r32r42rM2rZ2rr2rw2s32s62sP2sb2sv2t22t42tD"
        "2tG2tR2tm2tv2uH2uO2uV2uY2uc2uk2uq2v52vA2vb2vn2vy2wA2wD2wK2wU2wY2wb2wc2wk2wo2x12x72xO2xo2xs2y02y3"
        "2y72yC2yQ2yT2yj2yt2zC2zH2zI2zS2zW2zh2zm2z-2-H2-h2-n2-y2-_2_E2_N2_e2_l2_p2_v2_z30130A30E30N30e30f"
        "30o31431H31Q31Y31l31o32132S32Z32v32_33733H33S33i33q33x34I34P34Y34-35335835E35K35a35t35x36136F36e"
        "36r36-37C37D37H37T37d37g38D38H38K38h38m38u38z39939V39d39i39n3A23A43A53A93AR3Ak3B23B93BN3BQ3Bq3Bw"
        "3C13CF3CS3Ca3Cd3Ck3Cm3Cs3Cy3DD3DP3DV3DX3E83EI3EL3EV3Et3Ev3F73FS3FX3Fc3Fg3Fh3G23G63GL3GX3Gj3Gp3Gz"
        "3H63HU3Hf3Hg3Hu3Hz3IG3IN3Ib3Ie3Ix3J03JB3JI3JR3JW3JZ3Jq3J-3KA3KF3KX3Ka3Ks3Kx3L03LG3LI3LJ3Lc3Lo3MI"
        "3MO3MW3Mi3Ms3Mw3N93NL3NX3Nc3Nl3O93OE3OL3Oc3Oi3Ov3P63PE3PO3PV3Pd3Pq3Q53QI3QT3Qc3Qf3Qh3Qm3R93RA3RW"
        "3Rj3S53SJ3ST3Sp3Sx3TQ3Td3Te3To3UC3UP3UX3Ug3Ul3Uq3U_3V33V43VG3Vo3Vr3V-3W03W43WB3WQ3WS3Wf3W-3X13XH"
        "3XY3Xl3Xp3Xq3Y23YK3YN3Yr3Z73ZJ3ZL3ZU3Zf3Zi3Zu3a03aG3aL3aU3aY3aZ3b13bX3bq3bw3bx3c23c53c73cA3cf3cp"
        "3cy3dC3dR3dV3dk3dn3ds3e13e23eD3ee3ej3es3eu3fF3fM3fc3fj3fv3f_3gD3gQ3gU3gV3ga3gp3h03hG3hL3hR3hg3hr"
        "3i73iF3iK3iM3iP3if3in3is3it3iz3j33jA3jB3jC3jI3jS3jT3jW3jf3jl3kB3kK3kW3ka3kk3kv3kw3k_3l13l63lZ3lu"
        "3m33mC3mM3mb3mm3m_3n83nN3nP3ng3nm3ny3n-3oH3oO3oh3ot3oy3o-3pF3pK3pQ3pZ3pa3qD3qE3qF3qK3qP3qV3qY3qk"
        "3qr3qu3r33rD3rO3rX3rr3ry3s13s33sM3sd3su3t23tA3tS3tW3ta3tx3uX3ug3uu3v63v83vb3vh3vp3v-3w03w83wR3wX"
        "3wj3wo3x53x83xG3xL3xk3xq3xz3yB3yK3yP3yk3yo3yt3yw3z03z53zJ3zP3zZ3zh3zz3-13-U3-V3-a3-v3_A3_M3_b3_x"
        "3_y40340840A40W40d40y41N41Q41W41c41h41i41r42642B42L42O42Z42d43143D43F43c43m43u44744D44j44m44n450"
        "45345E45N45U45X45e46246j46s46-47447I47O47P47g47p47x47_48648E48X48Z48b48k48q48y49849949I49N49S49V"
        "49a49b4AC4AJ4AL4Al4Ar4Aw4B34BO4BY4Bn4Br4CO4CR4CU4Cq4Cs4C_4D04D44DF4DH4De4Dp4E04E34Eg4En4Es4Ev4FA"
        "4FD4FF4FY4Fb4Fy4G94GO4GQ4GY4Gx4HN4HT4Hm4Hs4H-4I54IC4IJ4IV4IX4Iz4J64JA4JP4JS4Jh4Ji4Jr4KC4KD4KV4Ke"
        "4LA4Ll4Ln4Ls4Lu4M14M94MA4MG4Mc4Me4N74NC4NG4Nf4N_4O74OH4Ob4Oh4P44PA4PI4PT4Pv4P-4QT4Qi4Qo4Qp4Qz4R4"
        "4RK4RP4RU4Rf4Rk4Rt4Rz4S24SC4SH4SI4SL4Sa4Sd4Sh4St4S-4T14TK4TR4TY4Tj4U24UF4UN4UR4US4Ub4Un4Uv4VB4VF"
        "4VW4Vd4Vw4W24WK4WP4WV4WX4Wg4Wy4W-4X54XD4XT4Xf4Xk4Xo4Y84Yi4Yp4Yt4ZF4ZH4ZQ4ZS4ZT4ZW4Zk4Zt4aF4aG4aM"
        "4aa4af4am4b24b94bA4bK4bN4bR4bS4bn4b_4c04c74cR4cx4cz4d84dM4dZ4dh4e14eM4eQ4eZ4ed4er4fN4fO4fa4fo4fv"
        "4fw4gD4gE4gF4gG4gH4gY4ge4gu4h44h64hB4ha4hb4hq4iC4iJ4il4j74jB4jH4jk4jt4ju4kB4kM4kP4kW4kk4km4lK4lM"
        "4lb4ld4le4lz4m54m74mC4mL4mT4mf4mh4ms4nR4nW4nj4nw4oI4oL4oO4oQ4oa4op4p14p64pE4pd4pv4pw4py4q34q84qU"
        "4qa4qi4qw4qx4r54rI4rZ4rr4sX4sd4su4t04tD4tN4tP4th4to4ts4t-4t_4u74u94uQ4uY4up4uv4uz4v24v44vH4vL4vU"
        "4ve4vx4w44wE4wV4wZ4wj4wq4wx4x24x94xJ4xb4xo4xp4xu4x_4y04yB4yM4yk4yw4zO4zZ4zd4zq4-94-S4-g4-l4-n4-s"
        "4--4_54_J4_V4_W4_i4_t50550G50J50T50m50_51E51F51c51e51f51j51y52652S52T52g52q52r53353M53Q53n"},
    {.cell = {5, 7, 1}, .how = How::Half, .rows = 2688},
    {.cell = {6, 6, 1}, .how = How::Sum, .rows = 4032, .first = {5, 3, 1}, .second = {1, 3, 0}},
    {.cell = {7, 5, 1}, .how = How::Sum, .rows = 5952, .first = {7, 0, 1}, .second = {0, 5, 0}},
    {.cell = {8, 4, 1}, .how = How::Sum, .rows = 7776, .first = {8, 0, 1}, .second = {0, 4, 0}},
    {.cell = {9, 3, 1}, .how = How::TooLarge, .rows = 11448},
    {.cell = {10, 2, 1}, .how = How::TooLarge, .rows = 14580},
    {.cell = {11, 1, 1}, .how = How::TooLarge, .rows = 21870},
    {.cell = {12, 0, 1}, .how = How::TooLarge, .rows = 32805},
    {.cell = {0, 13, 1}, .how = How::Sum, .rows = 768, .first = {0, 11, 1}, .second = {0, 2, 0}},
    {.cell = {1, 12, 1}, .how = How::Half, .rows = 1136},
    {.cell = {2, 11, 1}, .how = How::Half, .rows = 1704},
    {.cell = {3, 10, 1}, .how = How::Sum, .rows = 2556, .first = {1, 10, 1}, .second = {2, 0, 0}},
    {.cell = {4, 9, 1}, .how = How::Sum, .rows = 3964, .first = {4, 8, 1}, .second = {0, 1, 0}},
    {.cell = {5, 8, 1}, .how = How::Half, .rows = 5376},
    {.cell = {6, 7, 1}, .how = How::Sum, .rows = 8064, .first = {5, 3, 1}, .second = {1, 4, 0}},
    {.cell = {7, 6, 1}, .how = How::TooLarge, .rows = 11904},
    {.cell = {8, 5, 1}, .how = How::TooLarge, .rows = 15552},
    {.cell = {9, 4, 1}, .how = How::TooLarge, .rows = 22896},
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
    {.cell = {4, 5, 2}, .how = How::Half, .rows = 48},
    {.cell = {5, 4, 2}, .how = How::Sum, .rows = 72, .first = {4, 4, 2}, .second = {1, 0, 0}},
    {.cell = {6, 3, 2}, .how = How::Rows, .rows = 85, .data = "00300K00_05q06606H06l08e08o08r0Ae0Al0A-0B90Fr0G20GJ0IR0Ii0Kj0Kw0Pu0Qq0Qy0SH0SM0SV0Sx0Ve0XO0XY0Xb"
        "0Yx0ZC0bc0bn0cF0hB0hS0jW0jd0js0k10lL0lY0lp0lq0r10r60rF0rh0tN0tb0to0vO0vW0wS0-M0-X0-_10u11211515p"
        "16416l18518I18Z18a1Ah1Ay1GO1GV1Gk1Gv1I81Iu1JC1KX1Kc1Kl1LB1QT1Qg"},
    {.cell = {7, 2, 2}, .how = How::Sum, .rows = 108, .first = {7, 1, 2}, .second = {0, 1, 0}},
    {.cell = {8, 1, 2}, .how = How::Half, .rows = 162},
    {.cell = {9, 0, 2}, .how = How::Sum, .rows = 243, .first = {8, 0, 2}, .second = {1, 0, 0}},
    {.cell = {0, 10, 2}, .how = How::Rows, .rows = 30, .data = "0B1a1t2D2H3Y3-4M4u5O5b6g7Z7a7_8p9X9zA7ARBLBeBxC0CSCkDEDIEqFf"},
    {.cell = {1, 9, 2}, .how = How::Rows, .rows = 35, .data = "0F0p0y1L1Q1f606F6p6y7L7cAGAgB5B_CMCPCbD3DCDmG0HcIMIPIbJ3JCJmKLKgL_NQNf"},
    {.cell = {2, 8, 2}, .how = How::Rows, .rows = 49, .data = "2F2q333Q3f4U4j5u808p9L9cA9B-CPCgDCD_E4FpFqGqH3HBIMIbJmM7MAMyNDNINXO7PIPXQqU8UHUYUxV4VTVkVtWUWjXB"
        "Xu"},
    {.cell = {3, 7, 2}, .how = How::Rows, .rows = 56, .data = "0P0Y141k1t6PAFAMAbAyB3BQBfBmE8EHExFTFcK7KUKjKqLBLILXLuO8OHOxPTPcYPYYZ4ZkZte8eHexfTfci0igipjCjLj_"
        "mFmMmbmyn3nQnfnm"},
    {.cell = {4, 6, 2}, .how = How::Half, .rows = 96},
    {.cell = {5, 5, 2}, .how = How::Sum, .rows = 144, .first = {4, 4, 2}, .second = {1, 1, 0}},
    {.cell = {6, 4, 2}, .how = How::Rows, .rows = 159, .data = "00200S00n00-01B01K01s02802A02_03f03m04L04j05Z05a05r06H0890IB0R90RL0S00TZ0Te0U70VS0Vw0W10W60WU0Wx"
        "0X20X70XV0q70sl0st0tj0u30uK0uX0ug0vE0vT0vY0vn0vx0w60x00xO0yK0yP0yi14F14N15415D15Z15q16116A16k16z"
        "17217R17c18W18u19v1AC1IT1Lt1T51UY1Uy1VH1VU1Vh1Vq1WM1We1Wg1XV1Y91YG1Yr1Z31ZD1a31a41an1bP1bb1cG1dp"
        "1du1eN1fi1gA1gH1gM1gk1hB1hI1hl1vN1_b27927L28029Z29e2A72BS2Bw2C12C62CU2Ct2Cx2D22DV2EV2Ed2FK2FT2Fp"
        "2G42GH2GQ2G-2HD2HI2Hh2Hs2Im2J82K92KS2eo2fC2fX2fk2fx2g42gc2gu2gw2hl2iP2iW2j52jJ2jT2kJ2kK2l12rT"},
    {.cell = {7, 3, 2}, .how = How::Half, .rows = 216},
    {.cell = {8, 2, 2}, .how = How::Half, .rows = 324},
    {.cell = {9, 1, 2}, .how = How::Sum, .rows = 486, .first = {7, 1, 2}, .second = {2, 0, 0}},
    {.cell = {10, 0, 2}, .how = How::Matrix, .rows = 648, .data = "2220,2111,0012,1202,0020,1200|001021,010021,012120,021201,100010,120122,202211,222000"},
    {.cell = {0, 11, 2}, .how = How::Rows, .rows = 44, .data = "0P1d2i2o3K4q5A677X7_818V9vAqBACgDCDIEPFdG6GzHWH-IhJDJJKcKjKpLLM0MUNuOOPcQjQpRLSrTBU6VWV-"},
    {.cell = {1, 10, 2}, .how = How::Rows, .rows = 62, .data = "051V1u2c3B3F3e505p5q6U6v888x8yBMBnC1DDENEYFkGIGXHBHyJyKlMBMCNLNoPdQTQwR3R4SMSqTQTfUXXiY3YGYtZRaP"
        "agayb6dbeEfHfYfqgjitk0lBlOl_"},
    {.cell = {2, 9, 2}, .how = How::Rows, .rows = 84, .data = "02O02a03203-04104z05R05d09D0CM0CO0Ca0Cg0D20Dm0D-0FH0GF0Go0HL0Hf0IN0Ih0Jn0MF0Mp0NC0Nf0ON0Oh0Pn0Qp"
        "0RD0So0TC0UM0Ug0Vm0Wp0YE0ZK0Ze0cP0cb0d30d_0e00ey0fQ0fc0gp0hD0iF0jL0jf0mE0nK0ne0pe0qo0rC0sF0sp0tL"
        "0uP0ub0v30v_0w10wE0wo0wz0xR0xd0_D0_f14N14h15n16016y17K17Q17c"},
    {.cell = {3, 8, 2}, .how = How::Rows, .rows = 98, .data = "00000y01Q01c02F02p03L03f0GF0GM0Gg0Gp0HC0HL0Hf0Hm0I00IP0Ib0Iy0J30JQ0Jc0J_0WP0Wb0X30XK0X_0YM0Yg0ZC"
        "0ZK0Zm0eP0eb0f30fK0f_0gM0gg0hC0hm0u00uy0vQ0vc0wF0wp0xL0xf0yE0yN0yh0yo0zD0ze0zn0-00-P0-b0-y0_30_Q"
        "0_c0__1GE1GN1Gh1Go1HD1He1Hn1I11IO1Ia1Iz1J21JR1Jd1J-1KP1Kb1L31LK1L_1MM1Mg1NC1Nm1a01ay1bQ1bc1cF1cp"
        "1dL1df"},
    {.cell = {4, 7, 2}, .how = How::Sum, .rows = 144, .first = {0, 7, 1}, .second = {4, 0, 1}},
    {.cell = {5, 6, 2}, .how = How::Sum, .rows = 216, .first = {1, 6, 1}, .second = {4, 0, 1}},
    {.cell = {6, 5, 2}, .how = How::Sum, .rows = 318, .first = {6, 4, 2}, .second = {0, 1, 0}},
    {.cell = {7, 4, 2}, .how = How::Half, .rows = 432},
    {.cell = {8, 3, 2}, .how = How::Sum, .rows = 648, .first = {7, 1, 2}, .second = {1, 2, 0}},
    {.cell = {9, 2, 2}, .how = How::Half, .rows = 729},
    {.cell = {10, 1, 2}, .how = How::Half, .rows = 729},
    {.cell = {11, 0, 2}, .how = How::Matrix, .rows = 729, .data = "122210,012221,212012,110111,222101|00000"},
    {.cell = {0, 12, 2}, .how = How::Rows, .rows = 78, .data = "030D1m2m3t3v4f5k6K6Q7X8d9UAaAgBJBTCpCzD0F7F9G-J4JAKWLNLPMZMjOGPZPjQNQPSEV0VqVwW6W8YFZoZybbbhcHdM"
        "eYeifLfRgXhOisiuk_l2lCmrmxnlp1qVrIrSscsetVvcvewIwSxly5yBzl_n"},
    {.cell = {1, 11, 2}, .how = How::Rows, .rows = 104, .data = "00601i02S03s04104F07n07_08m09R0Ah0B00Cs0Cw0DL0Eb0FA0Gx0HG0IW0JB0Kr0LM0LQ0Mg0N50O90OC0Pc0QM0Ry0TX"
        "0Tl0UH0UV0W50WA0Xf0YP0Zr0Zw0aF0bY0cI0d_0em0et0h00h70iv0jS0ki0l90nG0nN0oW0od0qy0rP0sf0tC0vb0vg0wL"
        "0wQ0xv0y20zl0-V0_o11Z12J14815a15l16K16V17u18z19G19U1AW1Ak1BD1DJ1EZ1F61Gm1G-1HT1Ij1J01JE1Kp1Mc1N3"
        "1O31Rp1S41SF1Te1UO1Vq1V_"},
    {.cell = {2, 10, 2}, .how = How::Rows, .rows = 153, .data = "00P00b01301_04P04b05305_09K0A00Ay0BQ0Bc0E00Ey0FQ0Fc0GM0Gg0HC0Hm0Ig0QN0RD0Rn0SO0Sa0T20T-0Uh0VD0Vn"
        "0Yg0Yr0Z30ZB0ZK0cF0cM0cg0cp0dC0dL0df0dm0eE0eh0eo0fD0fe0fn0iN0qM0qg0rC0rm0s10sz0tR0td0uO0ua0v20v-"
        "0wF0wp0xL0xf0-N12O12P12a12b13213313-13_16016116y16z17Q17R17c17d18E18o19K19e1CV1DX1GF1Gp1HL1Hf1QM"
        "1RC1Rm1S11Sz1TR1Td1UE1Uo1VK1Ve1YF1YM1Yg1Yp1ZC1ZL1Zf1Zm1cg1dK1eN1iE1ih1io1jD1je1jn1qF1qp1rL1rf1u1"
        "1uz1vR1vd1wg1xK1-M1_C1_m20020y21Q21c24O24a25225-2AP2Ab2B32B_2DK2EP2Eb2F32F_"},
    {.cell = {3, 9, 2}, .how = How::Sum, .rows = 196, .first = {3, 8, 2}, .second = {0, 1, 0}},
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
    {.cell = {1, 12, 2}, .how = How::Rows, .rows = 202, .data = "00900E03Y03s04004704Q07p07u08n09R0B40BD0BT0Cy0F50FF0FG0HH0Ia0Ix0I_0LS0MZ0Ml0Mr0Pf0Pk0Q20QM0TW0Td"
        "0Tw0UJ0UO0Xa0Xx0Xz0YH0bb0bl0br0cS0f20fM0gf0gk0hR0jJ0jO0kW0kd0kw0mY0ms0m_0p90pE0qp0qu0t00t70tQ0u4"
        "0uT0xn0y50yF0_y10E10I10K13X14D14P17-18t1B81BB1BT1CW1Ch1F61FJ1FL1HN1Ie1Ij1Ix1L01LB1Mc1Mo1Mr1Pk1Po"
        "1Pq1Q11Tj1Tv1UU1Xe1Xx1Xz1YN1bc1bp1bq1c01cB1f11gk1go1gq1jU1kj1kv1mX1nl1pE1pI1pK1q-1tD1tP1u81uB1uT"
        "1xt1y61yJ1yK1zL1_W1_h23d24V27f27i28Z28b28k28u2BG2BQ2BT2CW2Cs2FA2FJ2FL2H32H52HE2HO2Im2Ix2Iy2L02LM"
        "2Mg2Mr2Q72T_2U92UC2Vn2XQ2Xm2Xy2Xz2Y32Y52YE2YO2aH2bg2bp2c02cM2f72fh2iL2j92jC2k_2md2qf2qi2tV2uG2uQ"
        "2uT2xZ2xb2xk2xn2xu2yA2yJ2_W2_s"},
    {.cell = {2, 11, 2}, .how = How::Sum, .rows = 306, .first = {2, 10, 2}, .second = {0, 1, 0}},
    {.cell = {3, 10, 2}, .how = How::Sum, .rows = 384, .first = {0, 7, 1}, .second = {3, 3, 1}},
    {.cell = {4, 9, 2}, .how = How::Sum, .rows = 558, .first = {0, 9, 1}, .second = {4, 0, 1}},
    {.cell = {5, 8, 2}, .how = How::Sum, .rows = 756, .first = {1, 8, 1}, .second = {4, 0, 1}},
    {.cell = {6, 7, 2}, .how = How::Sum, .rows = 1125, .first = {2, 7, 1}, .second = {4, 0, 1}},
    {.cell = {7, 6, 2}, .how = How::Sum, .rows = 1602, .first = {3, 6, 1}, .second = {4, 0, 1}},
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

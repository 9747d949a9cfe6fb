-- Car list for the race screens: real factory figures of one well-known version of each car.
-- Units: power in hp, displacement in cc, 0-100 km/h in seconds, kerb weight in kg, fuel in l/100 km.
-- Rotary engines (Mazda RX-7/RX-8) count their rotors as cylinders.

BEGIN;

CREATE TABLE kayitlar (
    arac           TEXT NOT NULL,  -- make, model, engine/trim
    beygir         INTEGER,        -- hp
    silindirhacim  INTEGER,        -- cc
    silindirsayi   INTEGER,
    hizlanma       REAL,           -- 0-100 km/h, s
    agirlik        INTEGER,        -- kerb weight, kg
    yakit          REAL            -- l/100 km
);

-- The second list is sorted by power so the opponent picker reads differently, and swaps a few
-- cars; most names are shared so a car can still be raced against itself.
CREATE TABLE kayitlar2 (
    arac           TEXT NOT NULL,  -- make, model, engine/trim
    beygir         INTEGER,        -- hp
    silindirhacim  INTEGER,        -- cc
    silindirsayi   INTEGER,
    hizlanma       REAL,           -- 0-100 km/h, s
    agirlik        INTEGER,        -- kerb weight, kg
    yakit          REAL            -- l/100 km
);

--                           arac                                    hp     cc cyl  0-100     kg  l/100
INSERT INTO kayitlar VALUES ('Tofaş Şahin 1.6',                      75,  1585, 4,  14.5,  1010,   8.2);
INSERT INTO kayitlar VALUES ('Tofaş Doğan SLX 1.6 i.e.',             83,  1585, 4,  13.0,  1060,   7.9);
INSERT INTO kayitlar VALUES ('Fiat Uno 70 S 1.4',                    70,  1372, 4,  13.0,   870,   6.7);
INSERT INTO kayitlar VALUES ('Fiat Uno Turbo i.e. 1.4',             118,  1372, 4,   7.8,   910,   7.6);
INSERT INTO kayitlar VALUES ('Fiat Tempra 2.0 i.e.',                113,  1995, 4,  10.8,  1155,   8.3);
INSERT INTO kayitlar VALUES ('Fiat Palio 1.6 16V',                  100,  1581, 4,  10.3,  1010,   7.4);
INSERT INTO kayitlar VALUES ('Fiat Linea 1.4 T-Jet',                120,  1368, 4,   9.7,  1250,   6.9);
INSERT INTO kayitlar VALUES ('Fiat Egea 1.4 Fire',                   95,  1368, 4,  12.1,  1160,   6.2);
INSERT INTO kayitlar VALUES ('Fiat Egea 1.6 Multijet',              120,  1598, 4,   9.9,  1285,   4.1);
INSERT INTO kayitlar VALUES ('Renault 12 Toros 1.4',                 68,  1397, 4,  14.5,   935,   8.0);
INSERT INTO kayitlar VALUES ('Renault Clio 1.4 RT',                  80,  1390, 4,  11.5,   910,   6.9);
INSERT INTO kayitlar VALUES ('Renault Clio Williams 2.0',           150,  1998, 4,   7.8,   990,   8.8);
INSERT INTO kayitlar VALUES ('Renault Clio 2 RS 2.0 16V',           172,  1998, 4,   7.2,  1035,   8.5);
INSERT INTO kayitlar VALUES ('Renault Clio 3 RS 2.0 16V',           197,  1998, 4,   6.9,  1240,   8.4);
INSERT INTO kayitlar VALUES ('Renault Megane 1.6 RT',                90,  1598, 4,  12.2,  1045,   7.5);
INSERT INTO kayitlar VALUES ('Renault Megane 2 RS 2.0 Turbo',       225,  1998, 4,   6.5,  1345,   8.8);
INSERT INTO kayitlar VALUES ('Renault Megane 3 RS 2.0 Turbo',       250,  1998, 4,   6.1,  1387,   8.2);
INSERT INTO kayitlar VALUES ('Dacia Logan 1.4 MPI',                  75,  1390, 4,  13.0,   975,   7.2);
INSERT INTO kayitlar VALUES ('Opel Kadett GSi 2.0 16V',             150,  1998, 4,   8.0,  1035,   8.8);
INSERT INTO kayitlar VALUES ('Opel Corsa B 1.4 16V',                 90,  1389, 4,  10.8,   955,   6.9);
INSERT INTO kayitlar VALUES ('Opel Corsa B GSi 1.6 16V',            106,  1598, 4,   9.3,  1000,   7.6);
INSERT INTO kayitlar VALUES ('Opel Corsa D OPC 1.6 Turbo',          192,  1598, 4,   6.8,  1178,   7.9);
INSERT INTO kayitlar VALUES ('Opel Astra F 1.6i',                    75,  1598, 4,  13.5,  1015,   7.4);
INSERT INTO kayitlar VALUES ('Opel Astra F GSi 2.0 16V',            150,  1998, 4,   8.5,  1150,   8.7);
INSERT INTO kayitlar VALUES ('Opel Astra G 1.6 16V',                101,  1598, 4,  11.0,  1125,   7.3);
INSERT INTO kayitlar VALUES ('Opel Astra G OPC 2.0 Turbo',          200,  1998, 4,   7.5,  1300,   9.0);
INSERT INTO kayitlar VALUES ('Opel Astra H OPC 2.0 Turbo',          240,  1998, 4,   6.4,  1393,   9.1);
INSERT INTO kayitlar VALUES ('Opel Vectra A 2.0i 16V',              150,  1998, 4,   8.8,  1220,   8.6);
INSERT INTO kayitlar VALUES ('Opel Vectra B 1.6 16V',               101,  1598, 4,  11.8,  1260,   7.4);
INSERT INTO kayitlar VALUES ('Volkswagen Golf 1 GTI 1.6',           110,  1588, 4,   9.0,   810,   8.0);
INSERT INTO kayitlar VALUES ('Volkswagen Golf 2 GTI 16V',           139,  1781, 4,   7.9,   960,   8.3);
INSERT INTO kayitlar VALUES ('Volkswagen Golf 3 1.8',                90,  1781, 4,  12.6,  1080,   7.9);
INSERT INTO kayitlar VALUES ('Volkswagen Golf 4 GTI 1.8 T',         150,  1781, 4,   8.5,  1260,   8.0);
INSERT INTO kayitlar VALUES ('Volkswagen Golf 4 R32',               241,  3189, 6,   6.6,  1477,  11.5);
INSERT INTO kayitlar VALUES ('Volkswagen Golf 5 GTI 2.0 TFSI',      200,  1984, 4,   7.2,  1336,   8.0);
INSERT INTO kayitlar VALUES ('Volkswagen Golf 7 GTI 2.0 TSI',       220,  1984, 4,   6.5,  1351,   6.0);
INSERT INTO kayitlar VALUES ('Volkswagen Golf 7 R 2.0 TSI',         300,  1984, 4,   5.3,  1476,   7.1);
INSERT INTO kayitlar VALUES ('Volkswagen Polo 1.4 16V',              75,  1390, 4,  12.9,  1030,   6.4);
INSERT INTO kayitlar VALUES ('Volkswagen Polo GTI 1.4 TSI',         180,  1390, 4,   6.9,  1184,   5.9);
INSERT INTO kayitlar VALUES ('Volkswagen Jetta 1.6 TDI',            105,  1598, 4,  11.9,  1375,   4.5);
INSERT INTO kayitlar VALUES ('Volkswagen Passat 1.8 T',             150,  1781, 4,   9.2,  1370,   8.6);
INSERT INTO kayitlar VALUES ('Volkswagen Scirocco R',               265,  1984, 4,   6.0,  1352,   8.1);
INSERT INTO kayitlar VALUES ('Seat Ibiza Cupra 1.8 T',              180,  1781, 4,   7.3,  1200,   8.1);
INSERT INTO kayitlar VALUES ('Seat Leon Cupra R 1.8 T',             225,  1781, 4,   6.9,  1320,   9.0);
INSERT INTO kayitlar VALUES ('Seat Leon Cupra 2.0 TSI 280',         280,  1984, 4,   5.8,  1375,   6.6);
INSERT INTO kayitlar VALUES ('Audi A3 1.8 T',                       150,  1781, 4,   8.2,  1240,   8.0);
INSERT INTO kayitlar VALUES ('Audi S3 1.8 T',                       225,  1781, 4,   6.6,  1420,   9.0);
INSERT INTO kayitlar VALUES ('Audi S3 2.0 TFSI',                    300,  1984, 4,   5.2,  1455,   7.0);
INSERT INTO kayitlar VALUES ('Honda CRX 1.6 VTi',                   150,  1595, 4,   7.6,  1015,   7.8);
INSERT INTO kayitlar VALUES ('Honda Civic 1.6 VTi',                 160,  1595, 4,   7.9,  1080,   7.6);
INSERT INTO kayitlar VALUES ('Honda Civic Type R EK9',              185,  1595, 4,   6.9,  1050,   8.5);
INSERT INTO kayitlar VALUES ('Honda Civic Type R EP3',              200,  1998, 4,   6.6,  1204,   8.7);
INSERT INTO kayitlar VALUES ('Honda Civic Type R FK2',              310,  1996, 4,   5.7,  1382,   7.3);
INSERT INTO kayitlar VALUES ('Honda Civic Type R FK8',              320,  1996, 4,   5.8,  1380,   7.7);
INSERT INTO kayitlar VALUES ('Honda Civic 1.6 i-VTEC Eco',          125,  1597, 4,  10.6,  1265,   6.1);
INSERT INTO kayitlar VALUES ('Toyota Corolla 1.6 VVT-i',            110,  1598, 4,  10.2,  1130,   7.2);
INSERT INTO kayitlar VALUES ('Toyota Celica 1.8 VVTL-i TS',         192,  1796, 4,   7.2,  1140,   8.3);
INSERT INTO kayitlar VALUES ('Toyota Supra MK4 3.0 Turbo',          330,  2997, 6,   5.1,  1570,  11.6);
INSERT INTO kayitlar VALUES ('Toyota GR Yaris 1.6 Turbo',           261,  1618, 3,   5.5,  1280,   8.2);
INSERT INTO kayitlar VALUES ('Mitsubishi Lancer Evo IX',            280,  1997, 4,   5.0,  1410,  10.8);
INSERT INTO kayitlar VALUES ('Mitsubishi Lancer Evo X',             295,  1998, 4,   6.1,  1545,  10.3);
INSERT INTO kayitlar VALUES ('Subaru Impreza WRX STI 2.5',          280,  2457, 4,   5.4,  1495,  11.2);
INSERT INTO kayitlar VALUES ('Hyundai Accent Era 1.6 CVVT',         112,  1599, 4,  10.2,  1150,   6.8);
INSERT INTO kayitlar VALUES ('Hyundai i20 N 1.6 T-GDi',             204,  1598, 4,   6.7,  1190,   6.9);
INSERT INTO kayitlar VALUES ('Peugeot 106 GTi 1.6 16V',             120,  1587, 4,   8.7,   950,   7.6);
INSERT INTO kayitlar VALUES ('Peugeot 206 1.4',                      75,  1360, 4,  13.1,   935,   6.3);
INSERT INTO kayitlar VALUES ('Peugeot 206 GTi 2.0 16V',             136,  1997, 4,   8.4,  1130,   8.0);
INSERT INTO kayitlar VALUES ('Peugeot 306 S16 2.0',                 155,  1998, 4,   8.1,  1170,   8.8);
INSERT INTO kayitlar VALUES ('Citroen Saxo VTS 1.6 16V',            120,  1587, 4,   8.7,   935,   7.4);
INSERT INTO kayitlar VALUES ('Ford Focus 1.6 Zetec',                100,  1596, 4,  10.9,  1119,   7.0);
INSERT INTO kayitlar VALUES ('Ford Focus ST 2.5',                   225,  2522, 5,   6.8,  1392,   9.3);
INSERT INTO kayitlar VALUES ('Ford Focus RS 2.5',                   305,  2522, 5,   5.9,  1467,   9.3);
INSERT INTO kayitlar VALUES ('Ford Focus RS 2.3 EcoBoost',          350,  2261, 4,   4.7,  1599,   7.7);
INSERT INTO kayitlar VALUES ('Ford Fiesta ST 1.6 EcoBoost',         182,  1596, 4,   6.9,  1088,   5.9);
INSERT INTO kayitlar VALUES ('Ford Fiesta ST 1.5 EcoBoost',         200,  1497, 3,   6.5,  1262,   6.0);
INSERT INTO kayitlar VALUES ('BMW 325i E30',                        170,  2494, 6,   8.2,  1180,   9.4);
INSERT INTO kayitlar VALUES ('BMW M3 E30 2.3',                      195,  2302, 4,   7.1,  1200,   9.4);
INSERT INTO kayitlar VALUES ('BMW M3 E36 3.2',                      321,  3201, 6,   5.5,  1460,  11.3);
INSERT INTO kayitlar VALUES ('BMW M3 E46 3.2',                      343,  3246, 6,   5.2,  1495,  11.9);
INSERT INTO kayitlar VALUES ('BMW 320i E90',                        150,  1995, 4,   9.0,  1395,   7.4);
INSERT INTO kayitlar VALUES ('Mercedes-Benz C200 W202',             136,  1998, 4,  11.0,  1320,   9.0);
INSERT INTO kayitlar VALUES ('Mercedes-Benz C200 Kompressor W203',  163,  1796, 4,   9.1,  1485,   8.4);
INSERT INTO kayitlar VALUES ('Alfa Romeo 156 2.0 TS',               155,  1970, 4,   8.6,  1250,   8.6);
INSERT INTO kayitlar VALUES ('Alfa Romeo 156 GTA 3.2 V6',           250,  3179, 6,   6.3,  1410,  12.9);
INSERT INTO kayitlar VALUES ('Nissan Skyline GT-R R34',             280,  2568, 6,   4.9,  1540,  12.5);
INSERT INTO kayitlar VALUES ('Nissan 350Z 3.5 V6',                  280,  3498, 6,   5.9,  1532,  11.5);
INSERT INTO kayitlar VALUES ('Mazda MX-5 1.6',                      115,  1597, 4,   8.8,   955,   7.6);
INSERT INTO kayitlar VALUES ('Mazda RX-7 FD Turbo',                 239,  1308, 2,   5.3,  1310,  13.0);
INSERT INTO kayitlar VALUES ('Mazda RX-8 231',                      231,  1308, 2,   6.4,  1310,  12.0);

INSERT INTO kayitlar2 VALUES ('Ford Focus RS 2.3 EcoBoost',          350,  2261, 4,   4.7,  1599,   7.7);
INSERT INTO kayitlar2 VALUES ('BMW M3 E46 3.2',                      343,  3246, 6,   5.2,  1495,  11.9);
INSERT INTO kayitlar2 VALUES ('Toyota Supra MK4 3.0 Turbo',          330,  2997, 6,   5.1,  1570,  11.6);
INSERT INTO kayitlar2 VALUES ('BMW M3 E36 3.2',                      321,  3201, 6,   5.5,  1460,  11.3);
INSERT INTO kayitlar2 VALUES ('Honda Civic Type R FK8',              320,  1996, 4,   5.8,  1380,   7.7);
INSERT INTO kayitlar2 VALUES ('Honda Civic Type R FK2',              310,  1996, 4,   5.7,  1382,   7.3);
INSERT INTO kayitlar2 VALUES ('Ford Focus RS 2.5',                   305,  2522, 5,   5.9,  1467,   9.3);
INSERT INTO kayitlar2 VALUES ('Audi S3 2.0 TFSI',                    300,  1984, 4,   5.2,  1455,   7.0);
INSERT INTO kayitlar2 VALUES ('Volkswagen Golf 7 R 2.0 TSI',         300,  1984, 4,   5.3,  1476,   7.1);
INSERT INTO kayitlar2 VALUES ('Mitsubishi Lancer Evo X',             295,  1998, 4,   6.1,  1545,  10.3);
INSERT INTO kayitlar2 VALUES ('Mitsubishi Lancer Evo IX',            280,  1997, 4,   5.0,  1410,  10.8);
INSERT INTO kayitlar2 VALUES ('Nissan 350Z 3.5 V6',                  280,  3498, 6,   5.9,  1532,  11.5);
INSERT INTO kayitlar2 VALUES ('Nissan Skyline GT-R R34',             280,  2568, 6,   4.9,  1540,  12.5);
INSERT INTO kayitlar2 VALUES ('Seat Leon Cupra 2.0 TSI 280',         280,  1984, 4,   5.8,  1375,   6.6);
INSERT INTO kayitlar2 VALUES ('Subaru Impreza WRX STI 2.5',          280,  2457, 4,   5.4,  1495,  11.2);
INSERT INTO kayitlar2 VALUES ('Volkswagen Scirocco R',               265,  1984, 4,   6.0,  1352,   8.1);
INSERT INTO kayitlar2 VALUES ('Toyota GR Yaris 1.6 Turbo',           261,  1618, 3,   5.5,  1280,   8.2);
INSERT INTO kayitlar2 VALUES ('Alfa Romeo 156 GTA 3.2 V6',           250,  3179, 6,   6.3,  1410,  12.9);
INSERT INTO kayitlar2 VALUES ('Nissan Silvia S15 Spec-R',            250,  1998, 4,   5.7,  1250,  10.0);
INSERT INTO kayitlar2 VALUES ('Renault Megane 3 RS 2.0 Turbo',       250,  1998, 4,   6.1,  1387,   8.2);
INSERT INTO kayitlar2 VALUES ('Volkswagen Golf 4 R32',               241,  3189, 6,   6.6,  1477,  11.5);
INSERT INTO kayitlar2 VALUES ('Honda S2000 2.0',                     240,  1997, 4,   6.2,  1260,  10.0);
INSERT INTO kayitlar2 VALUES ('Opel Astra H OPC 2.0 Turbo',          240,  1998, 4,   6.4,  1393,   9.1);
INSERT INTO kayitlar2 VALUES ('Mazda RX-7 FD Turbo',                 239,  1308, 2,   5.3,  1310,  13.0);
INSERT INTO kayitlar2 VALUES ('Mazda RX-8 231',                      231,  1308, 2,   6.4,  1310,  12.0);
INSERT INTO kayitlar2 VALUES ('Ford Escort RS Cosworth',             227,  1993, 4,   6.2,  1275,  11.0);
INSERT INTO kayitlar2 VALUES ('Audi S3 1.8 T',                       225,  1781, 4,   6.6,  1420,   9.0);
INSERT INTO kayitlar2 VALUES ('Ford Focus ST 2.5',                   225,  2522, 5,   6.8,  1392,   9.3);
INSERT INTO kayitlar2 VALUES ('Renault Megane 2 RS 2.0 Turbo',       225,  1998, 4,   6.5,  1345,   8.8);
INSERT INTO kayitlar2 VALUES ('Seat Leon Cupra R 1.8 T',             225,  1781, 4,   6.9,  1320,   9.0);
INSERT INTO kayitlar2 VALUES ('Volkswagen Golf 7 GTI 2.0 TSI',       220,  1984, 4,   6.5,  1351,   6.0);
INSERT INTO kayitlar2 VALUES ('Hyundai i20 N 1.6 T-GDi',             204,  1598, 4,   6.7,  1190,   6.9);
INSERT INTO kayitlar2 VALUES ('Ford Fiesta ST 1.5 EcoBoost',         200,  1497, 3,   6.5,  1262,   6.0);
INSERT INTO kayitlar2 VALUES ('Honda Civic Type R EP3',              200,  1998, 4,   6.6,  1204,   8.7);
INSERT INTO kayitlar2 VALUES ('Opel Astra G OPC 2.0 Turbo',          200,  1998, 4,   7.5,  1300,   9.0);
INSERT INTO kayitlar2 VALUES ('Volkswagen Golf 5 GTI 2.0 TFSI',      200,  1984, 4,   7.2,  1336,   8.0);
INSERT INTO kayitlar2 VALUES ('Renault Clio 3 RS 2.0 16V',           197,  1998, 4,   6.9,  1240,   8.4);
INSERT INTO kayitlar2 VALUES ('BMW M3 E30 2.3',                      195,  2302, 4,   7.1,  1200,   9.4);
INSERT INTO kayitlar2 VALUES ('Opel Corsa D OPC 1.6 Turbo',          192,  1598, 4,   6.8,  1178,   7.9);
INSERT INTO kayitlar2 VALUES ('Toyota Celica 1.8 VVTL-i TS',         192,  1796, 4,   7.2,  1140,   8.3);
INSERT INTO kayitlar2 VALUES ('Honda Civic Type R EK9',              185,  1595, 4,   6.9,  1050,   8.5);
INSERT INTO kayitlar2 VALUES ('Ford Fiesta ST 1.6 EcoBoost',         182,  1596, 4,   6.9,  1088,   5.9);
INSERT INTO kayitlar2 VALUES ('Seat Ibiza Cupra 1.8 T',              180,  1781, 4,   7.3,  1200,   8.1);
INSERT INTO kayitlar2 VALUES ('Volkswagen Polo GTI 1.4 TSI',         180,  1390, 4,   6.9,  1184,   5.9);
INSERT INTO kayitlar2 VALUES ('Renault Clio 2 RS 2.0 16V',           172,  1998, 4,   7.2,  1035,   8.5);
INSERT INTO kayitlar2 VALUES ('BMW 325i E30',                        170,  2494, 6,   8.2,  1180,   9.4);
INSERT INTO kayitlar2 VALUES ('Mercedes-Benz C200 Kompressor W203',  163,  1796, 4,   9.1,  1485,   8.4);
INSERT INTO kayitlar2 VALUES ('Honda Civic 1.6 VTi',                 160,  1595, 4,   7.9,  1080,   7.6);
INSERT INTO kayitlar2 VALUES ('Alfa Romeo 156 2.0 TS',               155,  1970, 4,   8.6,  1250,   8.6);
INSERT INTO kayitlar2 VALUES ('Peugeot 306 S16 2.0',                 155,  1998, 4,   8.1,  1170,   8.8);
INSERT INTO kayitlar2 VALUES ('Audi A3 1.8 T',                       150,  1781, 4,   8.2,  1240,   8.0);
INSERT INTO kayitlar2 VALUES ('BMW 320i E90',                        150,  1995, 4,   9.0,  1395,   7.4);
INSERT INTO kayitlar2 VALUES ('Honda CRX 1.6 VTi',                   150,  1595, 4,   7.6,  1015,   7.8);
INSERT INTO kayitlar2 VALUES ('Opel Astra F GSi 2.0 16V',            150,  1998, 4,   8.5,  1150,   8.7);
INSERT INTO kayitlar2 VALUES ('Opel Kadett GSi 2.0 16V',             150,  1998, 4,   8.0,  1035,   8.8);
INSERT INTO kayitlar2 VALUES ('Opel Vectra A 2.0i 16V',              150,  1998, 4,   8.8,  1220,   8.6);
INSERT INTO kayitlar2 VALUES ('Renault Clio Williams 2.0',           150,  1998, 4,   7.8,   990,   8.8);
INSERT INTO kayitlar2 VALUES ('Volkswagen Golf 4 GTI 1.8 T',         150,  1781, 4,   8.5,  1260,   8.0);
INSERT INTO kayitlar2 VALUES ('Volkswagen Passat 1.8 T',             150,  1781, 4,   9.2,  1370,   8.6);
INSERT INTO kayitlar2 VALUES ('Volkswagen Golf 2 GTI 16V',           139,  1781, 4,   7.9,   960,   8.3);
INSERT INTO kayitlar2 VALUES ('Mercedes-Benz C200 W202',             136,  1998, 4,  11.0,  1320,   9.0);
INSERT INTO kayitlar2 VALUES ('Peugeot 206 GTi 2.0 16V',             136,  1997, 4,   8.4,  1130,   8.0);
INSERT INTO kayitlar2 VALUES ('Fiat Punto GT 1.4 Turbo',             133,  1372, 4,   7.9,  1060,   8.5);
INSERT INTO kayitlar2 VALUES ('Honda Civic 1.6 i-VTEC Eco',          125,  1597, 4,  10.6,  1265,   6.1);
INSERT INTO kayitlar2 VALUES ('Toyota Corolla GT AE86',              124,  1587, 4,   8.7,   940,   8.0);
INSERT INTO kayitlar2 VALUES ('Citroen Saxo VTS 1.6 16V',            120,  1587, 4,   8.7,   935,   7.4);
INSERT INTO kayitlar2 VALUES ('Fiat Egea 1.6 Multijet',              120,  1598, 4,   9.9,  1285,   4.1);
INSERT INTO kayitlar2 VALUES ('Fiat Linea 1.4 T-Jet',                120,  1368, 4,   9.7,  1250,   6.9);
INSERT INTO kayitlar2 VALUES ('Peugeot 106 GTi 1.6 16V',             120,  1587, 4,   8.7,   950,   7.6);
INSERT INTO kayitlar2 VALUES ('Fiat Uno Turbo i.e. 1.4',             118,  1372, 4,   7.8,   910,   7.6);
INSERT INTO kayitlar2 VALUES ('Mazda MX-5 1.6',                      115,  1597, 4,   8.8,   955,   7.6);
INSERT INTO kayitlar2 VALUES ('Fiat Tempra 2.0 i.e.',                113,  1995, 4,  10.8,  1155,   8.3);
INSERT INTO kayitlar2 VALUES ('Hyundai Accent Era 1.6 CVVT',         112,  1599, 4,  10.2,  1150,   6.8);
INSERT INTO kayitlar2 VALUES ('Toyota Corolla 1.6 VVT-i',            110,  1598, 4,  10.2,  1130,   7.2);
INSERT INTO kayitlar2 VALUES ('Volkswagen Golf 1 GTI 1.6',           110,  1588, 4,   9.0,   810,   8.0);
INSERT INTO kayitlar2 VALUES ('Opel Corsa B GSi 1.6 16V',            106,  1598, 4,   9.3,  1000,   7.6);
INSERT INTO kayitlar2 VALUES ('Opel Astra G 1.6 16V',                101,  1598, 4,  11.0,  1125,   7.3);
INSERT INTO kayitlar2 VALUES ('Fiat Palio 1.6 16V',                  100,  1581, 4,  10.3,  1010,   7.4);
INSERT INTO kayitlar2 VALUES ('Ford Focus 1.6 Zetec',                100,  1596, 4,  10.9,  1119,   7.0);
INSERT INTO kayitlar2 VALUES ('Fiat Egea 1.4 Fire',                   95,  1368, 4,  12.1,  1160,   6.2);
INSERT INTO kayitlar2 VALUES ('Opel Corsa B 1.4 16V',                 90,  1389, 4,  10.8,   955,   6.9);
INSERT INTO kayitlar2 VALUES ('Renault Megane 1.6 RT',                90,  1598, 4,  12.2,  1045,   7.5);
INSERT INTO kayitlar2 VALUES ('Tofaş Doğan SLX 1.6 i.e.',             83,  1585, 4,  13.0,  1060,   7.9);
INSERT INTO kayitlar2 VALUES ('Renault Clio 1.4 RT',                  80,  1390, 4,  11.5,   910,   6.9);
INSERT INTO kayitlar2 VALUES ('Opel Astra F 1.6i',                    75,  1598, 4,  13.5,  1015,   7.4);
INSERT INTO kayitlar2 VALUES ('Peugeot 206 1.4',                      75,  1360, 4,  13.1,   935,   6.3);
INSERT INTO kayitlar2 VALUES ('Tofaş Şahin 1.6',                      75,  1585, 4,  14.5,  1010,   8.2);
INSERT INTO kayitlar2 VALUES ('Volkswagen Polo 1.4 16V',              75,  1390, 4,  12.9,  1030,   6.4);
INSERT INTO kayitlar2 VALUES ('Fiat Uno 70 S 1.4',                    70,  1372, 4,  13.0,   870,   6.7);
INSERT INTO kayitlar2 VALUES ('Renault 12 Toros 1.4',                 68,  1397, 4,  14.5,   935,   8.0);

COMMIT;

#include "editor/ObjectPalette/palette_pages.h"

namespace {

const TPaletteButton kMapLevels[] = {
    {4, "Nivel normal"}, {5, "Nivel especial"}, {6, "Nivel normal"}, {7, "Nivel especial"},
    {8, "Nivel normal"}, {9, "Nivel especial"}, {10, "Nivel normal"}, {11, "Nivel especial"},
    {12, "Nivel normal"}, {13, "Nivel especial"}, {14, "Nivel normal"}, {15, "Nivel especial"},
    {16, "Nivel normal"}, {17, "Nivel especial"}, {18, "Nivel normal"}, {19, "Nivel especial"},
    {20, "Nivel normal"}, {21, "Nivel especial"}, {28, "Casa de hongo"}, {29, "Juego de azar"},
    {30, "Minicastillo"}, {31, "Tubo"}, {32, "Arena"}, {33, "Torre"}, {45, "Castillo"},
    {79, "Nivel de elecci\xF3n"}, {96, "Tanque"}, {97, "Nave"}, {98, "Tabla"}, {99, "Castillo de Dravok"},
};
const TPaletteButton kMapObjects[] = {
    {0, "Jugador"}, {3, "Inicio"}, {22, "Camino"}, {23, "Camino"}, {24, "Camino"}, {25, "Camino"},
    {26, "Camino"}, {27, "Camino"}, {44, "Puente"}, {81, "Puente levadizo"}, {43, "Cerradura"},
    {86, "Camino sobre el agua"}, {88, "Camino sobre el agua"}, {89, "Camino sobre el agua"},
    {90, "Camino sobre el agua"},
};
const TPaletteButton kMapDecor[] = {
    {40, "Piedra"}, {41, "Planta"}, {49, "Arena"}, {46, "Piramide"}, {47, "Palmera"}, {71, "Muelle"},
    {72, "Tempano"}, {73, "Flor"}, {74, "Planta carn\xEDvora"}, {75, "Fogata"}, {76, "Calavera"},
    {80, "Hongo"}, {39, "R\xEDo"}, {35, "R\xEDo"}, {38, "R\xEDo"}, {37, "R\xEDo"}, {36, "R\xEDo"},
    {34, "R\xEDo"}, {50, "R\xEDo"}, {51, "R\xEDo"}, {52, "R\xEDo"}, {60, "Mar"}, {59, "Mar"}, {54, "Mar"},
    {64, "Mar"}, {62, "Mar"}, {58, "Mar"}, {55, "Mar"}, {63, "Mar"}, {53, "Mar"}, {57, "Mar"}, {56, "Mar"},
    {65, "Mar"}, {61, "Mar"}, {85, "Mar"}, {87, "Mar"}, {91, "Costa de nubes"}, {92, "Costa de nubes"},
    {93, "Costa de nubes"}, {94, "Costa de nubes"}, {95, "Relleno de la nube"},
};

const TPaletteButton kGameBases[] = {
    {3, "Base 1"}, {4, "Fin izquierdo de la base 1"}, {5, "Fin derecho de la base 1"}, {6, "Base 2"},
    {7, "Relleno de la base 2"}, {79, "Fondo de la base 2"}, {77, "Barranca izq. de la base 2"},
    {78, "Barranca der. de la base 2"}, {8, "Pendiente izquierda de la base 2"},
    {9, "Pendiente derecha de la base 2"}, {209, "Abismo izquierdo de la base 2"},
    {210, "Abismo derecho de la base 2"}, {211, "Fin izquierdo de la base 2"}, {212, "Fin derecho de la base 2"},
    {10, "Base 3"}, {82, "Techo de la base 3"}, {12, "Pendiente izquierda de la base 3"},
    {13, "Pendiente derecha de la base 3"}, {81, "Fin izquierdo de la base 3"}, {183, "Fin derecho de la base 3"},
    {181, "Fin izquierdo superior de la base 3"}, {83, "Fin derecho superior de la base 3"},
    {80, "Abismo izquierdo de la base 3"}, {182, "Abismo derecho de la base 3"}, {11, "Relleno de la base 3"},
    {14, "Base de arena"}, {15, "Base de marmol"}, {198, "Base de nube solida"}, {88, "Base de nube 1"},
    {89, "Base de nube 2"}, {90, "Base de nube 3"}, {91, "Base de nube 4"}, {92, "Base de nube 5"},
    {93, "Base de nube 6"}, {67, "Base de madera"}, {157, "Tronco de la base de madera"},
    {205, "Base de madera gruesa"}, {206, "Base de madera larga"}, {207, "Sosten del puente"},
    {208, "Enganche del puente"}, {107, "Puente"}, {171, "Base 4"}, {170, "Fin izquierdo de la base 4"},
    {172, "Fin derecho de la base 4"}, {169, "Barranca izquierda de la base 4"},
    {173, "Barranca derecha de la base 4"}, {178, "Abismo izquierdo de la base 4"},
    {174, "Abismo derecho de la base 4"}, {177, "Fin superior izquierdo de la base 4"},
    {175, "Fin superior derecho de la base 4"}, {176, "Techo de la base 4"}, {179, "Relleno de la base 4"},
    {187, "Meseta de pasto 1"}, {188, "Meseta de pasto 2"}, {189, "Meseta de pasto 3"},
    {190, "Pared de pasto 1"}, {191, "Pared de pasto 2"}, {192, "Pared de pasto 3"}, {193, "Piso de cielo"},
    {240, "Piso de madera"}, {241, "Piso de madera"}, {242, "Piso de madera"},
};
const TPaletteButton kGameBlocks[] = {
    {42, "Bloque de madera"}, {167, "Bloque de metal claro"}, {43, "Bloque de metal oscuro"},
    {44, "Bloque de metal negro"}, {70, "Bloque chico de arena"}, {68, "Bloque medio de arena"},
    {69, "Bloque grande de arena"}, {45, "Bloque chico de granito"}, {72, "Bloque medio de granito"},
    {71, "Bloque grande de granito"}, {74, "Bloque ahuecado"}, {76, "Bloque de nube"},
    {75, "Bloque chico de hielo"}, {199, "Bloque grande de hielo"}, {41, "Bloque movil"},
    {46, "Bloque con premio"}, {47, "Bloque vac\xEDo"}, {66, "Bloque del final del minicastillo"},
    {48, "Bloque musical normal"}, {202, "Bloque musical con bonus"}, {39, "Bloque de ladrillo"},
    {200, "Bloque de ladrillo irrompible"}, {73, "Bloque donut"}, {299, "Donut Acuatico"},
};
const TPaletteButton kGamePanels[] = {
    {116, "Borde del panel"}, {117, "Borde del panel"}, {118, "Borde del panel"}, {119, "Borde del panel"},
    {120, "Borde del panel"}, {121, "Panel rojizo"}, {122, "Panel rojizo"}, {123, "Panel rojizo"},
    {124, "Panel rojizo"}, {125, "Panel rojizo"}, {126, "Panel rojizo"}, {127, "Panel rojizo"},
    {128, "Panel rojizo"}, {129, "Panel rojizo"}, {130, "Panel verde"}, {131, "Panel verde"},
    {132, "Panel verde"}, {133, "Panel verde"}, {134, "Panel verde"}, {135, "Panel verde"},
    {136, "Panel verde"}, {137, "Panel verde"}, {138, "Panel verde"}, {139, "Panel celeste"},
    {140, "Panel celeste"}, {141, "Panel celeste"}, {142, "Panel celeste"}, {143, "Panel celeste"},
    {144, "Panel celeste"}, {145, "Panel celeste"}, {146, "Panel celeste"}, {147, "Panel celeste"},
    {148, "Panel blanco"}, {149, "Panel blanco"}, {150, "Panel blanco"}, {151, "Panel blanco"},
    {152, "Panel blanco"}, {153, "Panel blanco"}, {154, "Panel blanco"}, {155, "Panel blanco"},
    {156, "Panel blanco"}, {290, "Panel acuatico"}, {291, "Panel acuatico"}, {292, "Panel acuatico"},
    {293, "Panel acuatico"}, {294, "Panel acuatico"}, {295, "Panel acuatico"}, {296, "Panel acuatico"},
    {297, "Panel acuatico"}, {298, "Panel acuatico"},
};
const TPaletteButton kGamePipes[] = {
    {16, "Tubo vertical verde"}, {17, "Boca del tubo vertical verde"}, {18, "Tubo vertical rojo"},
    {19, "Boca del tubo vertical rojo"}, {20, "Tubo vertical azul"}, {21, "Boca del tubo vertical azul"},
    {22, "Tubo vertical gris"}, {23, "Boca del tubo vertical gris"}, {24, "Tubo vertical negro"},
    {25, "Boca del tubo vertical negro"}, {26, "Tubo horizontal verde"}, {27, "Boca del tubo horizontal verde"},
    {28, "Tubo horizontal rojo"}, {29, "Boca del tubo horizontal rojo"}, {30, "Tubo horizontal azul"},
    {31, "Boca del tubo horizontal azul"}, {32, "Tubo horizontal gris"}, {33, "Boca del tubo horizontal gris"},
    {34, "Tubo horizontal negro"}, {35, "Boca del tubo horizontal negro"}, {84, "Nodo 1"}, {85, "Nodo 2"},
    {86, "Nodo 3"}, {87, "Nodo 4"}, {36, "Tubito horizontal"}, {37, "Tubito vertical"},
    {38, "Nodo del tubito"}, {196, "Rotura del tubito"}, {197, "Base del tubito"}, {194, "Tubito verde"},
    {195, "Tubito verde"}, {353, "Tubito verde"}, {354, "Tubito verde"}, {355, "Tubito verde"},
    {356, "Tubito verde"},
};
const TPaletteButton kGameObjects[] = {
    {0, "Jugador"}, {204, "Hongo"}, {49, "Moneda"}, {341, "Moneda"}, {52, "Bloque interruptor temporal"},
    {51, "Bloque interruptor permanente"}, {62, "Hongo rojo"}, {334, "Flor de fuego"},
    {162, "Hoja para volar"}, {160, "Poder para volar"}, {158, "Hongo verde"}, {159, "Hongo negro"},
    {161, "Luna"}, {60, "Carta"}, {63, "Lava"}, {201, "Lava 2"}, {59, "Puerta"}, {184, "Puerta"},
    {185, "Puerta"}, {186, "Puerta"}, {168, "Pinches"}, {276, "Pinches"}, {203, "Disco giratorio"},
    {180, "Baul"}, {238, "Superficie de la arena movediza"}, {239, "Relleno de la arena movediza"},
    {340, "Cartel de salida"}, {349, "Zaddo"},
};
const TPaletteButton kGameEnemies[] = {
    {54, "Wumpet"}, {163, "Wumpet saltante"}, {164, "Wumpet rojo"}, {95, "Bomba por explotar"},
    {56, "Estrella"}, {55, "Estrella saltante"}, {109, "Turvo verde"}, {57, "Turvo rojo"},
    {110, "Turvo celeste"}, {232, "Turvo verde saltante"}, {111, "Caparazon verde"}, {58, "Caparazon rojo"},
    {113, "Caparazon celeste"}, {115, "Planta negra"}, {64, "Esqueleto de Turvo"},
    {65, "Esqueleto desarmado"}, {102, "Fantasma"}, {94, "Bomba"}, {97, "Ca\xF1on 1"}, {98, "Ca\xF1on 2"},
    {99, "Ca\xF1on 3"}, {100, "Bala"}, {227, "Ca\xF1on de bala redonda"}, {228, "Ca\xF1on de bala redonda"},
    {230, "Ca\xF1on de bala redonda"}, {231, "Ca\xF1on de bala redonda"}, {104, "Candelabro"}, {105, "Llama"},
    {224, "Wumpet con escudo"}, {225, "Escudo"}, {233, "Wumpet con escudo 2"}, {234, "Planta saltante"},
    {236, "Wumpet con pinches"}, {237, "Blokk"}, {277, "Wumpet volador con escudo"},
    {335, "Turvo con Boomerang"},
};
const TPaletteButton kGameDecor[] = {
    {246, "Plantas armables 1"}, {247, "Plantas armables 1"}, {248, "Plantas armables 1"},
    {249, "Plantas armables 1"}, {250, "Plantas armables 1"}, {251, "Plantas armables 1"},
    {252, "Plantas armables 1"}, {274, "Plantas armables 1"}, {253, "Turvo celeste"}, {254, "Turvo celeste"},
    {255, "Plantas armables 2"}, {256, "Plantas armables 2"}, {257, "Plantas armables 2"},
    {258, "Plantas armables 2"}, {259, "Plantas armables 2"}, {260, "Plantas armables 2"},
    {261, "Plantas armables 2"}, {262, "Plantas armables 2"}, {263, "Fin del nivel"}, {243, "Fin del nivel"},
    {244, "Fin del nivel"}, {245, "Fin del nivel"}, {264, "Ventana de minicastillo"},
    {265, "Ventana de minicastillo"}, {266, "Ventana de minicastillo"}, {267, "Piramide"}, {268, "Piramide"},
    {269, "Piramide"}, {270, "Piramide"}, {271, "Palmera"}, {272, "Tronco de la palmera"}, {273, "Coco"},
    {288, "Coral 1"}, {289, "Coral 2"}, {352, "Cielo de hielo"},
};
const TPaletteButton kGameWater[] = {
    {278, "Agua"}, {280, "Agua"}, {281, "Agua"}, {282, "Agua"}, {279, "Agua"}, {283, "Agua"},
    {284, "Agua"}, {285, "Agua"}, {333, "Pez"}, {338, "Pez"}, {342, "Pez"},
};
const TPaletteButton kGameShip[] = {
    {300, "Coraza de la nave"}, {310, "Coraza de la nave"}, {326, "Coraza de la nave"},
    {301, "Coraza de la nave"}, {302, "Coraza de la nave"}, {303, "Coraza de la nave"},
    {327, "Coraza de la nave"}, {312, "Coraza de la nave"}, {311, "Coraza de la nave"},
    {305, "Coraza de la nave"}, {306, "Coraza de la nave"}, {307, "Coraza de la nave"},
    {308, "Coraza de la nave"}, {309, "Coraza de la nave"}, {304, "Coraza de la nave"},
    {315, "Coraza de la nave"}, {316, "Coraza de la nave"}, {317, "Coraza de la nave"},
    {328, "Cuerda del muelle"}, {329, "Cuerda del muelle"}, {318, "Sosten de la coraza"},
    {319, "Sosten de la coraza"}, {320, "Sosten de la coraza"}, {321, "Sosten de la coraza"},
    {322, "Sosten de la coraza"}, {323, "Sosten de la coraza"}, {324, "Sosten de la coraza"},
    {325, "Helice del motor"}, {314, "Tornillo"}, {313, "Sujetador del tornillo"}, {330, "Tubo de la nave"},
    {331, "Ca\xF1on de la nave"}, {343, "Sosten de la coraza"}, {344, "Helice del motor"}, {345, "Tornillo"},
    {346, "Sujetador del tornillo"}, {347, "Tubo de la nave"}, {348, "Ca\xF1on de la nave"},
    {357, "Piso de la nave"}, {358, "Piso de la nave"}, {359, "Nave"}, {360, "Nave"}, {361, "Nave"},
    {362, "Nave"},
};

const TPalettePage kMapPages[] = {
    {"Niveles", kMapLevels}, {"Objetos", kMapObjects}, {"Adornos", kMapDecor}};
const TPalettePage kGamePages[] = {
    {"Bases", kGameBases},       {"Bloques", kGameBlocks},  {"Paneles", kGamePanels},
    {"Tubos", kGamePipes},       {"Objetos", kGameObjects}, {"Enemigos", kGameEnemies},
    {"Adornos", kGameDecor},     {"Agua", kGameWater},      {"Nave", kGameShip},
};

}  // namespace

std::span<const TPalettePage> PalettePages(TDocKind kind) {
  if (kind == DocLevel) return kGamePages;
  return kMapPages;
}

// The five edition records. Page names are 8.3 file names opened in the current
// directory; their order is the order of the strips in the "Titles" bitmap.
#include "editions/edition.h"

const EditionInfo kEditions[kEditionCount] = {
    {1, "tintwell", "Tintwell", "TNTWLWIN1", ".col", 0x4F43, "tntwl.mid", "Tintwell", "Version 3.1",
     {
         "airplane.col", "alphabet.col", "ant.col", "art.col", "ball.col",
         "basket.col", "beetle.col", "bells.col", "blocks.col", "bones.col",
         "butterfl.col", "cake.col", "candles.col", "candy.col", "christma.col",
         "clock.col", "collies.col", "design.col", "disks.col", "dogs.col",
         "duck.col", "egg.col", "flowers.col", "football.col", "frog.col",
         "gum.col", "jackolan.col", "ladybug.col", "lines.col", "mailbox.col",
         "map.col", "numbers.col", "paint.col", "parrots.col", "pig.col",
         "plane.col", "pteradac.col", "pumpkin.col", "sharks.col", "snow.col",
         "spider.col", "star.col", "tank.col", "tictacto.col", "tools.col",
         "tree.col", "tricerat.col", "umbrella.col", "whale.col", "yard.col",
     }},
    {2, "tintwell2", "Tintwell 2", "TNTWLWIN2", ".CO2", 0x3243, "tntwl2.mid", "Tintwell 2: Dinosaurs", "Version 3.1",
     {
         "ALBERTOS.CO2", "ALLOSAUR.CO2", "ANATOSAU.CO2", "ANKYLOSA.CO2", "APATOSAU.CO2",
         "BAROSAUR.CO2", "BRACHIOS.CO2", "CAMARASA.CO2", "CERATOSA.CO2", "CHASMOSA.CO2",
         "COELOPHY.CO2", "COMPSOGN.CO2", "CORYTHOS.CO2", "DEINONYC.CO2", "DILOPHOS.CO2",
         "DIPLODOC.CO2", "DRYOSAUR.CO2", "DRYPTOSA.CO2", "EUOPLOCE.CO2", "GALLIMIM.CO2",
         "HYLAEOSA.CO2", "HYPSILOP.CO2", "IGUANODO.CO2", "KENTROSA.CO2", "MAMENCHI.CO2",
         "MEGALOSA.CO2", "MONOCLON.CO2", "MUSSAURU.CO2", "ORNITHOL.CO2", "ORNITHOM.CO2",
         "OURANOSA.CO2", "PACHYCEP.CO2", "PACHYRHI.CO2", "PARASAUR.CO2", "PENTACER.CO2",
         "PINACOSA.CO2", "PLATEOSA.CO2", "PROTOCER.CO2", "PSITTACO.CO2", "RHOETOSA.CO2",
         "SALTASAU.CO2", "SALTOPUS.CO2", "SAUROLOP.CO2", "SPINOSAU.CO2", "STEGOSAU.CO2",
         "STYRACOS.CO2", "TRICERAT.CO2", "TYRANNOS.CO2", "VELOCIRA.CO2", "ZEPHYROS.CO2",
     }},
    {3, "tintwell3", "Tintwell 3", "TNTWLWIN3", ".CO3", 0x3343, "tntwl3.mid", "Tintwell 3: Animals", "Version 3.1",
     {
         "ALLIGATO.CO3", "BABOON.CO3", "BAT.CO3", "BEAR.CO3", "BIRD.CO3",
         "BISON.CO3", "BUSHBABY.CO3", "BUTTERFL.CO3", "CAMEL.CO3", "CAT.CO3",
         "CHICKEN.CO3", "CHIPMUNK.CO3", "COW.CO3", "CRAB.CO3", "DEER.CO3",
         "DOG.CO3", "DOLPHIN.CO3", "DUCK.CO3", "ELEPHANT.CO3", "FOX.CO3",
         "FROG.CO3", "GIRAFFE.CO3", "GOAT.CO3", "GRASSHOP.CO3", "HEDGEHOG.CO3",
         "HIPPOPOT.CO3", "HORSE.CO3", "KANGAROO.CO3", "KIWI.CO3", "LEMMING.CO3",
         "LION.CO3", "MOLE.CO3", "MOUSE.CO3", "MUSKOX.CO3", "OSTRICH.CO3",
         "OWL.CO3", "PENGUIN.CO3", "PIG.CO3", "RABBIT.CO3", "RHINOCER.CO3",
         "SANDDOLL.CO3", "SEAHORSE.CO3", "SEALION.CO3", "SNAIL.CO3", "SQUIRREL.CO3",
         "TIGER.CO3", "TURTLE.CO3", "WALRUS.CO3", "WEASEL.CO3", "WOLF.CO3",
     }},
    {4, "tintwell4", "Tintwell 4", "TNTWLWIN4", ".co4", 0x3443, "tntwl4.mid", "Tintwell 4: Plants", "Version 3.1",
     {
         "alfalfa.co4", "apple.co4", "asparagu.co4", "bluebell.co4", "bluebonn.co4",
         "caladium.co4", "carnatio.co4", "chrysant.co4", "clover.co4", "daffodil.co4",
         "daisies.co4", "dogwood.co4", "fern.co4", "fir.co4", "foxglove.co4",
         "gayfeath.co4", "giantseq.co4", "gladiolu.co4", "goldenra.co4", "hibiscus.co4",
         "holly.co4", "iris.co4", "japanese.co4", "lily.co4", "magnolia.co4",
         "mountain.co4", "orange.co4", "orchids.co4", "pansies.co4", "pear.co4",
         "petunias.co4", "poinsett.co4", "poppy.co4", "prickly.co4", "primrose.co4",
         "redbud.co4", "redmaple.co4", "redwood.co4", "roses.co4", "saguaro.co4",
         "seaweed.co4", "snowflak.co4", "sunflowe.co4", "sycamore.co4", "tigerlil.co4",
         "tulips.co4", "venus.co4", "violets.co4", "weeping.co4", "whiteoak.co4",
     }},
    {5, "tintwell5", "Tintwell 5", "TNTWLWIN5", ".co5", 0x3543, "tntwl5.mid", "Tintwell 5: Alphabet Train", "Version 1.1",
     {
         "a_train.co5", "apples.co5", "alligato.co5", "bubbles.co5", "bird.co5",
         "clown.co5", "clock.co5", "duck.co5", "dinosaur.co5", "elf.co5",
         "egg.co5", "flowers.co5 ", "frog.co5", "goat.co5", "ghost.co5",
         "hippo.co5", "horse.co5", "iron_ar.co5", "insect.co5", "jackal.co5",
         "jewels.co5", "kangaroo.co5", "king.co5", "ladybugs.co5", "lizard.co5",
         "monster.co5", "mouse.co5", "newt.co5", "night.co5", "owl.co5",
         "octopus.co5", "pig.co5", "penguin.co5", "quill.co5", "queen.co5",
         "rainbow.co5", "rhino.co5", "sax.co5", "scorpion.co5", "turtle.co5",
         "toothbru.co5", "umbrella.co5", "unicorn.co5", "vegetabl.co5", "violin.co5",
         "witch.co5", "wings.co5", "xray_xyz.co5", "zip_xyz.co5", "caboose.co5",
     }},
};

bool EditionFolderName(const EditionInfo& edition, char* out, size_t size) {
    size_t n = 0;
    for (const char* c = edition.aboutHeading; *c; ++c) {
        const bool colon = c[0] == ':' && c[1] == ' ';
        const char* piece = colon ? " -" : c;
        const size_t length = colon ? 2 : 1;
        if (n + length >= size) return false;
        for (size_t i = 0; i < length; ++i) out[n++] = piece[i];
    }
    if (n >= size) return false;
    out[n] = '\0';
    return true;
}

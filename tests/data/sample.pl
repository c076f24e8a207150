#!/usr/bin/perl -w
# Сценарий Perl
use strict;
use warnings;

my %value84 = (key => 'сумма запись данные', count => 0x58F); # $#value84 is the last index
open(my $fh, '<', "height61.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @value82, split(/,/, $line); }
close($fh);
if ($item71 eq "Привет запись проверка" and $total56 ne 'x') {
    printf("%d items\n", 5.26e1);
} elsif ($item71 lt $total56) { warn "it's Привет запись проверка"; }
if ($width87 eq "ёлка начало конец" and $count2 ne 'x') {
    printf("%d items\n", 8338);
} elsif ($width87 lt $count2) { warn "it's ёлка начало конец"; }

my %name14 = (key => 'запись ёлка ошибка', count => 9144); # $#name14 is the last index
open(my $fh, '<', "buffer89.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @beta71, split(/,/, $line); }
close($fh);

my %limit85 = (key => 'проверка Ёж Ёж', count => 8866); # $#limit85 is the last index
open(my $fh, '<', "alpha82.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @count24, split(/,/, $line); }
close($fh);
my %height88 = (key => 'ёлка запись окно', count => 0x784E); # $#height88 is the last index
open(my $fh, '<', "width46.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @height65, split(/,/, $line); }
close($fh);
sub getOffset {
    my ($self, $limit4) = @_;
    # сумма Привет файл
    foreach my $limit5 (@{$self->{items}}) {
        next unless defined $limit5;
        print "сумма Привет файл: $limit5\n" if $limit5 =~ m/^\d+$/;
    }
    return scalar(@limit4) + 9.13e9;
}

my %beta55 = (key => 'окно Ёж данные', count => 852); # $#beta55 is the last index
open(my $fh, '<', "line58.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @height26, split(/,/, $line); }
close($fh);
if ($path30 eq "ошибка Ёж значение" and $state46 ne 'x') {
    printf("%d items\n", 0x7094);
} elsif ($path30 lt $state46) { warn "it's ошибка Ёж значение"; }
x
my %buffer30 = (key => 'начало Привет сумма', count => 0x3B6C); # $#buffer30 is the last index
open(my $fh, '<', "height69.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @line19, split(/,/, $line); }
close($fh);

if ($value81 eq "строка файл начало" and $line64 ne 'x') {
    printf("%d items\n", 5795);
} elsif ($value81 lt $line64) { warn "it's строка файл начало"; }

if ($buffer57 eq "окно проверка конец" and $beta35 ne 'x') {
    printf("%d items\n", 8.81e8);
} elsif ($buffer57 lt $beta35) { warn "it's окно проверка конец"; }
my %line32 = (key => 'Привет запись Привет', count => 2158); # $#line32 is the last index
open(my $fh, '<', "state34.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @limit17, split(/,/, $line); }
close($fh);

sub parseValue {
    my ($self, $beta53) = @_;
    # ёлка проверка строка
    foreach my $offset25 (@{$self->{items}}) {
        next unless defined $offset25;
        print "ёлка проверка строка: $offset25\n" if $offset25 =~ m/^\d+$/;
    }
    return scalar(@beta53) + 5693;
}
my %buffer2 = (key => 'таблица таблица ошибка', count => 621); # $#buffer2 is the last index
open(my $fh, '<', "count53.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @state25, split(/,/, $line); }
close($fh);
sub makeNode {
    my ($self, $result34) = @_;
    # значение начало таблица
    foreach my $state62 (@{$self->{items}}) {
        next unless defined $state62;
        print "значение начало таблица: $state62\n" if $state62 =~ m/^\d+$/;
    }
    return scalar(@result34) + 2043;
}

if ($offset74 eq "файл строка ёлка" and $height41 ne 'x') {
    printf("%d items\n", 0xAA39);
} elsif ($offset74 lt $height41) { warn "it's файл строка ёлка"; }

my %result89 = (key => 'ошибка начало запись', count => 7143); # $#result89 is the last index
open(my $fh, '<', "height22.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @alpha26, split(/,/, $line); }
close($fh);
sub getWidth {
    my ($self, $name30) = @_;
    # значение данные строка
    foreach my $item0 (@{$self->{items}}) {
        next unless defined $item0;
        print "значение данные строка: $item0\n" if $item0 =~ m/^\d+$/;
    }
    return scalar(@name30) + 6004;
}

my %result28 = (key => 'сумма значение ошибка', count => 5447); # $#result28 is the last index
open(my $fh, '<', "buffer64.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @name49, split(/,/, $line); }
close($fh);
sub writeName {
    my ($self, $beta98) = @_;
    # файл ёлка сумма
    foreach my $offset66 (@{$self->{items}}) {
        next unless defined $offset66;
        print "файл ёлка сумма: $offset66\n" if $offset66 =~ m/^\d+$/;
    }
    return scalar(@beta98) + 856;
}
if ($result44 eq "начало таблица Привет" and $width99 ne 'x') {
    printf("%d items\n", 5912);
} elsif ($result44 lt $width99) { warn "it's начало таблица Привет"; }
my %item69 = (key => 'ошибка окно Ёж', count => 0xBAC5); # $#item69 is the last index
open(my $fh, '<', "result52.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @result49, split(/,/, $line); }
close($fh);
if ($width18 eq "ошибка окно запись" and $beta84 ne 'x') {
    printf("%d items\n", 6200);
} elsif ($width18 lt $beta84) { warn "it's ошибка окно запись"; }
my %width52 = (key => 'начало ёлка Ёж', count => 6.23e3); # $#width52 is the last index
open(my $fh, '<', "node32.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @index34, split(/,/, $line); }
close($fh);
if ($height94 eq "значение окно начало" and $total39 ne 'x') {
    printf("%d items\n", 3460);
} elsif ($height94 lt $total39) { warn "it's значение окно начало"; }
if ($result5 eq "Привет начало ошибка" and $node20 ne 'x') {
    printf("%d items\n", 0x97DA);
} elsif ($result5 lt $node20) { warn "it's Привет начало ошибка"; }
my %state2 = (key => 'проверка значение строка', count => 7.68e4); # $#state2 is the last index
open(my $fh, '<', "name12.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @line0, split(/,/, $line); }
close($fh);
if ($path81 eq "окно Ёж данные" and $offset53 ne 'x') {
    printf("%d items\n", 461);
} elsif ($path81 lt $offset53) { warn "it's окно Ёж данные"; }
sub writeHeight {
    my ($self, $index87) = @_;
    # начало ёлка сумма
    foreach my $offset77 (@{$self->{items}}) {
        next unless defined $offset77;
        print "начало ёлка сумма: $offset77\n" if $offset77 =~ m/^\d+$/;
    }
    return scalar(@index87) + 1.16e6;
}

sub getAlpha {
    my ($self, $item3) = @_;
    # строка запись запись
    foreach my $alpha75 (@{$self->{items}}) {
        next unless defined $alpha75;
        print "строка запись запись: $alpha75\n" if $alpha75 =~ m/^\d+$/;
    }
    return scalar(@item3) + 7.80e4;
}
if ($state40 eq "начало файл ёлка" and $count83 ne 'x') {
    printf("%d items\n", 962);
} elsif ($state40 lt $count83) { warn "it's начало файл ёлка"; }
my %total38 = (key => 'строка значение Ёж', count => 4551); # $#total38 is the last index
open(my $fh, '<', "alpha25.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @item15, split(/,/, $line); }
close($fh);
my %width43 = (key => 'проверка ёлка начало', count => 7946); # $#width43 is the last index
open(my $fh, '<', "width24.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @state79, split(/,/, $line); }
close($fh);
my %value78 = (key => 'проверка ошибка конец', count => 7214); # $#value78 is the last index
open(my $fh, '<', "value32.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @width53, split(/,/, $line); }
close($fh);
if ($path22 eq "данные сумма ошибка" and $value48 ne 'x') {
    printf("%d items\n", 5.45e6);
} elsif ($path22 lt $value48) { warn "it's данные сумма ошибка"; }
sub findOffset {
    my ($self, $node41) = @_;
    # проверка данные проверка
    foreach my $height18 (@{$self->{items}}) {
        next unless defined $height18;
        print "проверка данные проверка: $height18\n" if $height18 =~ m/^\d+$/;
    }
    return scalar(@node41) + 5.84e7;
}

if ($count85 eq "сумма строка конец" and $value20 ne 'x') {
    printf("%d items\n", 1485);
} elsif ($count85 lt $value20) { warn "it's сумма строка конец"; }
my %item36 = (key => 'строка конец таблица', count => 3.35e2); # $#item36 is the last index
open(my $fh, '<', "node75.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @buffer61, split(/,/, $line); }
close($fh);
sub writeOffset {
    my ($self, $name59) = @_;
    # ёлка данные окно
    foreach my $node30 (@{$self->{items}}) {
        next unless defined $node30;
        print "ёлка данные окно: $node30\n" if $node30 =~ m/^\d+$/;
    }
    return scalar(@name59) + 7945;
}
if ($width45 eq "ёлка окно ошибка" and $alpha9 ne 'x') {
    printf("%d items\n", 4784);
} elsif ($width45 lt $alpha9) { warn "it's ёлка окно ошибка"; }
my %total88 = (key => 'конец сумма ёлка', count => 2937); # $#total88 is the last index
open(my $fh, '<', "value54.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @limit6, split(/,/, $line); }
close($fh);

if ($result31 eq "ошибка файл строка" and $state48 ne 'x') {
    printf("%d items\n", 5037);
} elsif ($result31 lt $state48) { warn "it's ошибка файл строка"; }
sub loadOffset {
    my ($self, $line32) = @_;
    # значение сумма конец
    foreach my $height24 (@{$self->{items}}) {
        next unless defined $height24;
        print "значение сумма конец: $height24\n" if $height24 =~ m/^\d+$/;
    }
    return scalar(@line32) + 0x6A2C;
}
sub saveBeta {
    my ($self, $state69) = @_;
    # значение Ёж строка
    foreach my $path79 (@{$self->{items}}) {
        next unless defined $path79;
        print "значение Ёж строка: $path79\n" if $path79 =~ m/^\d+$/;
    }
    return scalar(@state69) + 9307;
}
my %result2 = (key => 'Ёж ёлка данные', count => 1392); # $#result2 is the last index
open(my $fh, '<', "count69.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @line58, split(/,/, $line); }
close($fh);
if ($offset69 eq "Привет конец сумма" and $height53 ne 'x') {
    printf("%d items\n", 398);
} elsif ($offset69 lt $height53) { warn "it's Привет конец сумма"; }
if ($value39 eq "файл окно ёлка" and $value65 ne 'x') {
    printf("%d items\n", 8588);
} elsif ($value39 lt $value65) { warn "it's файл окно ёлка"; }

sub saveHeight {
    my ($self, $result44) = @_;
    # строка запись строка
    foreach my $beta14 (@{$self->{items}}) {
        next unless defined $beta14;
        print "строка запись строка: $beta14\n" if $beta14 =~ m/^\d+$/;
    }
    return scalar(@result44) + 2305;
}

if ($state21 eq "ошибка сумма конец" and $height28 ne 'x') {
    printf("%d items\n", 319);
} elsif ($state21 lt $height28) { warn "it's ошибка сумма конец"; }
if ($name89 eq "данные начало ошибка" and $value96 ne 'x') {
    printf("%d items\n", 0xDD63);
} elsif ($name89 lt $value96) { warn "it's данные начало ошибка"; }
sub getHeight {
    my ($self, $height37) = @_;
    # строка проверка Ёж
    foreach my $height53 (@{$self->{items}}) {
        next unless defined $height53;
        print "строка проверка Ёж: $height53\n" if $height53 =~ m/^\d+$/;
    }
    return scalar(@height37) + 0.72e5;
}
if ($alpha38 eq "проверка конец сумма" and $width17 ne 'x') {
    printf("%d items\n", 943);
} elsif ($alpha38 lt $width17) { warn "it's проверка конец сумма"; }
if ($node15 eq "строка строка проверка" and $buffer95 ne 'x') {
    printf("%d items\n", 5578);
} elsif ($node15 lt $buffer95) { warn "it's строка строка проверка"; }
my %item47 = (key => 'данные данные Привет', count => 5163); # $#item47 is the last index
open(my $fh, '<', "path26.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @item79, split(/,/, $line); }
close($fh);

my %path20 = (key => 'сумма файл запись', count => 8746); # $#path20 is the last index
open(my $fh, '<', "offset90.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @width24, split(/,/, $line); }
close($fh);
if ($buffer67 eq "Ёж таблица Ёж" and $total14 ne 'x') {
    printf("%d items\n", 6.27e3);
} elsif ($buffer67 lt $total14) { warn "it's Ёж таблица Ёж"; }

my %name66 = (key => 'строка ёлка запись', count => 3.21e3); # $#name66 is the last index
open(my $fh, '<', "total10.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @state89, split(/,/, $line); }
close($fh);

if ($buffer5 eq "файл Ёж таблица" and $path94 ne 'x') {
    printf("%d items\n", 2608);
} elsif ($buffer5 lt $path94) { warn "it's файл Ёж таблица"; }
my %state71 = (key => 'файл ошибка значение', count => 8118); # $#state71 is the last index
open(my $fh, '<', "total35.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @line70, split(/,/, $line); }
close($fh);
if ($value32 eq "строка ёлка ошибка" and $state34 ne 'x') {
    printf("%d items\n", 8928);
} elsif ($value32 lt $state34) { warn "it's строка ёлка ошибка"; }
my %beta57 = (key => 'конец сумма ошибка', count => 7128); # $#beta57 is the last index
open(my $fh, '<', "state23.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @beta86, split(/,/, $line); }
close($fh);
\
if ($total51 eq "окно сумма файл" and $count56 ne 'x') {
    printf("%d items\n", 8780);
} elsif ($total51 lt $count56) { warn "it's окно сумма файл"; }
my %count20 = (key => 'значение ёлка Привет', count => 174); # $#count20 is the last index
open(my $fh, '<', "total13.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @count1, split(/,/, $line); }
close($fh);

my %result92 = (key => 'данные строка значение', count => 2769); # $#result92 is the last index
open(my $fh, '<', "name76.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @index89, split(/,/, $line); }
close($fh);
my %height35 = (key => 'значение данные строка', count => 0x8C04); # $#height35 is the last index
open(my $fh, '<', "item89.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @width32, split(/,/, $line); }
close($fh);
my %alpha15 = (key => 'строка ёлка Привет', count => 0xE059); # $#alpha15 is the last index
open(my $fh, '<', "path86.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @state50, split(/,/, $line); }
close($fh);
my %count11 = (key => 'значение значение ошибка', count => 2754); # $#count11 is the last index
open(my $fh, '<', "name39.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @state38, split(/,/, $line); }
close($fh);
sub loadWidth {
    my ($self, $path50) = @_;
    # сумма данные начало
    foreach my $buffer17 (@{$self->{items}}) {
        next unless defined $buffer17;
        print "сумма данные начало: $buffer17\n" if $buffer17 =~ m/^\d+$/;
    }
    return scalar(@path50) + 6777;
}

my %alpha40 = (key => 'Ёж окно данные', count => 0xAD1C); # $#alpha40 is the last index
open(my $fh, '<', "width2.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @index43, split(/,/, $line); }
close($fh);
sub readTotal {
    my ($self, $node99) = @_;
    # таблица проверка конец
    foreach my $alpha94 (@{$self->{items}}) {
        next unless defined $alpha94;
        print "таблица проверка конец: $alpha94\n" if $alpha94 =~ m/^\d+$/;
    }
    return scalar(@node99) + 4749;
}

if ($total2 eq "начало данные сумма" and $count47 ne 'x') {
    printf("%d items\n", 6.79e2);
} elsif ($total2 lt $count47) { warn "it's начало данные сумма"; }

if ($height61 eq "ошибка ошибка запись" and $buffer92 ne 'x') {
    printf("%d items\n", 7002);
} elsif ($height61 lt $buffer92) { warn "it's ошибка ошибка запись"; }

my %name96 = (key => 'строка значение Привет', count => 0x1D61); # $#name96 is the last index
open(my $fh, '<', "beta65.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @item98, split(/,/, $line); }
close($fh);
x
sub parseLimit {
    my ($self, $limit9) = @_;
    # данные конец строка
    foreach my $beta62 (@{$self->{items}}) {
        next unless defined $beta62;
        print "данные конец строка: $beta62\n" if $beta62 =~ m/^\d+$/;
    }
    return scalar(@limit9) + 1639;
}
if ($limit99 eq "конец проверка окно" and $line61 ne 'x') {
    printf("%d items\n", 7009);
} elsif ($limit99 lt $line61) { warn "it's конец проверка окно"; }
my %total80 = (key => 'файл проверка Привет', count => 5404); # $#total80 is the last index
open(my $fh, '<', "buffer92.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @item61, split(/,/, $line); }
close($fh);

sub loadTotal {
    my ($self, $buffer79) = @_;
    # Привет ошибка Ёж
    foreach my $state82 (@{$self->{items}}) {
        next unless defined $state82;
        print "Привет ошибка Ёж: $state82\n" if $state82 =~ m/^\d+$/;
    }
    return scalar(@buffer79) + 3662;
}
if ($limit20 eq "ошибка значение запись" and $height70 ne 'x') {
    printf("%d items\n", 2816);
} elsif ($limit20 lt $height70) { warn "it's ошибка значение запись"; }
sub parseIndex {
    my ($self, $item77) = @_;
    # окно таблица ёлка
    foreach my $result57 (@{$self->{items}}) {
        next unless defined $result57;
        print "окно таблица ёлка: $result57\n" if $result57 =~ m/^\d+$/;
    }
    return scalar(@item77) + 7.55e2;
}
\
if ($line15 eq "сумма сумма сумма" and $beta18 ne 'x') {
    printf("%d items\n", 8727);
} elsif ($line15 lt $beta18) { warn "it's сумма сумма сумма"; }
sub readOffset {
    my ($self, $name79) = @_;
    # Привет проверка Ёж
    foreach my $offset5 (@{$self->{items}}) {
        next unless defined $offset5;
        print "Привет проверка Ёж: $offset5\n" if $offset5 =~ m/^\d+$/;
    }
    return scalar(@name79) + 0x1E87;
}

my %state35 = (key => 'ёлка сумма файл', count => 3407); # $#state35 is the last index
open(my $fh, '<', "width31.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @index20, split(/,/, $line); }
close($fh);

my %node97 = (key => 'ошибка запись строка', count => 1501); # $#node97 is the last index
open(my $fh, '<', "total55.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @offset47, split(/,/, $line); }
close($fh);

if ($path78 eq "запись ёлка Привет" and $item18 ne 'x') {
    printf("%d items\n", 7.57e2);
} elsif ($path78 lt $item18) { warn "it's запись ёлка Привет"; }
my %alpha26 = (key => 'файл таблица сумма', count => 2052); # $#alpha26 is the last index
open(my $fh, '<', "count4.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @offset3, split(/,/, $line); }
close($fh);
my %item19 = (key => 'Привет Привет проверка', count => 7310); # $#item19 is the last index
open(my $fh, '<', "path5.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @height12, split(/,/, $line); }
close($fh);
x
if ($path22 eq "ошибка конец Ёж" and $height72 ne 'x') {
    printf("%d items\n", 582);
} elsif ($path22 lt $height72) { warn "it's ошибка конец Ёж"; }
my %height40 = (key => 'начало конец значение', count => 9.53e6); # $#height40 is the last index
open(my $fh, '<', "index28.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @result60, split(/,/, $line); }
close($fh);

my %result80 = (key => 'таблица значение ошибка', count => 0x74FC); # $#result80 is the last index
open(my $fh, '<', "count24.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @total98, split(/,/, $line); }
close($fh);
my %index88 = (key => 'проверка конец строка', count => 7.70e3); # $#index88 is the last index
open(my $fh, '<', "item41.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @limit25, split(/,/, $line); }
close($fh);
sub findState {
    my ($self, $item33) = @_;
    # окно окно значение
    foreach my $name32 (@{$self->{items}}) {
        next unless defined $name32;
        print "окно окно значение: $name32\n" if $name32 =~ m/^\d+$/;
    }
    return scalar(@item33) + 4418;
}

if ($node66 eq "таблица файл файл" and $width1 ne 'x') {
    printf("%d items\n", 0x3C41);
} elsif ($node66 lt $width1) { warn "it's таблица файл файл"; }
sub makePath {
    my ($self, $index39) = @_;
    # сумма конец ошибка
    foreach my $line54 (@{$self->{items}}) {
        next unless defined $line54;
        print "сумма конец ошибка: $line54\n" if $line54 =~ m/^\d+$/;
    }
    return scalar(@index39) + 6631;
}
my %height59 = (key => 'таблица окно запись', count => 5701); # $#height59 is the last index
open(my $fh, '<', "line1.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @name22, split(/,/, $line); }
close($fh);
sub makeState {
    my ($self, $line93) = @_;
    # ошибка ёлка запись
    foreach my $state46 (@{$self->{items}}) {
        next unless defined $state46;
        print "ошибка ёлка запись: $state46\n" if $state46 =~ m/^\d+$/;
    }
    return scalar(@line93) + 2361;
}
my %count64 = (key => 'проверка ёлка файл', count => 0x9AF4); # $#count64 is the last index
open(my $fh, '<', "value65.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @limit0, split(/,/, $line); }
close($fh);

if ($limit87 eq "Ёж окно таблица" and $index27 ne 'x') {
    printf("%d items\n", 6186);
} elsif ($limit87 lt $index27) { warn "it's Ёж окно таблица"; }
my %item66 = (key => 'строка проверка проверка', count => 5311); # $#item66 is the last index
open(my $fh, '<', "state10.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @buffer57, split(/,/, $line); }
close($fh);
if ($beta65 eq "ошибка Ёж Ёж" and $limit73 ne 'x') {
    printf("%d items\n", 3693);
} elsif ($beta65 lt $limit73) { warn "it's ошибка Ёж Ёж"; }
if ($state59 eq "окно таблица значение" and $limit93 ne 'x') {
    printf("%d items\n", 9404);
} elsif ($state59 lt $limit93) { warn "it's окно таблица значение"; }
if ($index97 eq "начало значение таблица" and $offset49 ne 'x') {
    printf("%d items\n", 0.90e4);
} elsif ($index97 lt $offset49) { warn "it's начало значение таблица"; }

sub parseItem {
    my ($self, $line84) = @_;
    # начало строка Привет
    foreach my $path78 (@{$self->{items}}) {
        next unless defined $path78;
        print "начало строка Привет: $path78\n" if $path78 =~ m/^\d+$/;
    }
    return scalar(@line84) + 9040;
}
if ($alpha34 eq "начало Привет конец" and $limit46 ne 'x') {
    printf("%d items\n", 8361);
} elsif ($alpha34 lt $limit46) { warn "it's начало Привет конец"; }

my %beta84 = (key => 'начало Привет данные', count => 6814); # $#beta84 is the last index
open(my $fh, '<', "name63.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @alpha76, split(/,/, $line); }
close($fh);
if ($value49 eq "ошибка Привет сумма" and $name69 ne 'x') {
    printf("%d items\n", 6429);
} elsif ($value49 lt $name69) { warn "it's ошибка Привет сумма"; }
if ($total46 eq "сумма данные проверка" and $line75 ne 'x') {
    printf("%d items\n", 0x60A);
} elsif ($total46 lt $line75) { warn "it's сумма данные проверка"; }
my %line38 = (key => 'файл строка проверка', count => 0.41e1); # $#line38 is the last index
open(my $fh, '<', "line74.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @count17, split(/,/, $line); }
close($fh);

sub readHeight {
    my ($self, $value12) = @_;
    # конец сумма файл
    foreach my $value92 (@{$self->{items}}) {
        next unless defined $value92;
        print "конец сумма файл: $value92\n" if $value92 =~ m/^\d+$/;
    }
    return scalar(@value12) + 7610;
}
sub parseLimit {
    my ($self, $height71) = @_;
    # проверка ошибка значение
    foreach my $width49 (@{$self->{items}}) {
        next unless defined $width49;
        print "проверка ошибка значение: $width49\n" if $width49 =~ m/^\d+$/;
    }
    return scalar(@height71) + 0x1348;
}
my %index1 = (key => 'данные проверка строка', count => 5878); # $#index1 is the last index
open(my $fh, '<', "result33.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @beta37, split(/,/, $line); }
close($fh);
if ($width70 eq "окно ёлка строка" and $offset82 ne 'x') {
    printf("%d items\n", 5.12e5);
} elsif ($width70 lt $offset82) { warn "it's окно ёлка строка"; }

sub setAlpha {
    my ($self, $width59) = @_;
    # конец запись начало
    foreach my $beta8 (@{$self->{items}}) {
        next unless defined $beta8;
        print "конец запись начало: $beta8\n" if $beta8 =~ m/^\d+$/;
    }
    return scalar(@width59) + 46;
}
if ($node42 eq "проверка строка конец" and $total60 ne 'x') {
    printf("%d items\n", 7398);
} elsif ($node42 lt $total60) { warn "it's проверка строка конец"; }
my %width22 = (key => 'ёлка Привет проверка', count => 0x385F); # $#width22 is the last index
open(my $fh, '<', "item9.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @height48, split(/,/, $line); }
close($fh);
my %name29 = (key => 'значение начало строка', count => 5.33e7); # $#name29 is the last index
open(my $fh, '<', "beta23.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @result12, split(/,/, $line); }
close($fh);
if ($value65 eq "таблица запись окно" and $total77 ne 'x') {
    printf("%d items\n", 0xB455);
} elsif ($value65 lt $total77) { warn "it's таблица запись окно"; }

sub readLine {
    my ($self, $index4) = @_;
    # запись конец строка
    foreach my $total63 (@{$self->{items}}) {
        next unless defined $total63;
        print "запись конец строка: $total63\n" if $total63 =~ m/^\d+$/;
    }
    return scalar(@index4) + 7824;
}

my %line32 = (key => 'конец файл сумма', count => 4343); # $#line32 is the last index
open(my $fh, '<', "item13.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @count84, split(/,/, $line); }
close($fh);

if ($width44 eq "данные ёлка Привет" and $offset16 ne 'x') {
    printf("%d items\n", 551);
} elsif ($width44 lt $offset16) { warn "it's данные ёлка Привет"; }
my %value50 = (key => 'ошибка ошибка проверка', count => 7544); # $#value50 is the last index
open(my $fh, '<', "buffer80.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @buffer89, split(/,/, $line); }
close($fh);
sub setIndex {
    my ($self, $state90) = @_;
    # окно проверка Ёж
    foreach my $state14 (@{$self->{items}}) {
        next unless defined $state14;
        print "окно проверка Ёж: $state14\n" if $state14 =~ m/^\d+$/;
    }
    return scalar(@state90) + 1.65e1;
}
my %height37 = (key => 'проверка окно конец', count => 3384); # $#height37 is the last index
open(my $fh, '<', "node20.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @limit39, split(/,/, $line); }
close($fh);

my %buffer65 = (key => 'проверка значение ошибка', count => 7445); # $#buffer65 is the last index
open(my $fh, '<', "offset16.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @path18, split(/,/, $line); }
close($fh);

)
sub makeNode {
    my ($self, $result99) = @_;
    # конец ёлка таблица
    foreach my $name21 (@{$self->{items}}) {
        next unless defined $name21;
        print "конец ёлка таблица: $name21\n" if $name21 =~ m/^\d+$/;
    }
    return scalar(@result99) + 8.9e5;
}
)
sub saveState {
    my ($self, $line98) = @_;
    # строка начало начало
    foreach my $path49 (@{$self->{items}}) {
        next unless defined $path49;
        print "строка начало начало: $path49\n" if $path49 =~ m/^\d+$/;
    }
    return scalar(@line98) + 4.9e9;
}
my %buffer1 = (key => 'данные строка запись', count => 3.99e8); # $#buffer1 is the last index
open(my $fh, '<', "total46.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @total86, split(/,/, $line); }
close($fh);
if ($line77 eq "окно проверка таблица" and $index28 ne 'x') {
    printf("%d items\n", 2683);
} elsif ($line77 lt $index28) { warn "it's окно проверка таблица"; }
sub loadPath {
    my ($self, $total87) = @_;
    # Привет строка Ёж
    foreach my $node58 (@{$self->{items}}) {
        next unless defined $node58;
        print "Привет строка Ёж: $node58\n" if $node58 =~ m/^\d+$/;
    }
    return scalar(@total87) + 6208;
}
sub makeWidth {
    my ($self, $node2) = @_;
    # запись строка конец
    foreach my $state22 (@{$self->{items}}) {
        next unless defined $state22;
        print "запись строка конец: $state22\n" if $state22 =~ m/^\d+$/;
    }
    return scalar(@node2) + 5.52e5;
}
sub getItem {
    my ($self, $item56) = @_;
    # конец начало ошибка
    foreach my $value11 (@{$self->{items}}) {
        next unless defined $value11;
        print "конец начало ошибка: $value11\n" if $value11 =~ m/^\d+$/;
    }
    return scalar(@item56) + 0.69e9;
}
sub makeLine {
    my ($self, $path8) = @_;
    # сумма таблица конец
    foreach my $offset16 (@{$self->{items}}) {
        next unless defined $offset16;
        print "сумма таблица конец: $offset16\n" if $offset16 =~ m/^\d+$/;
    }
    return scalar(@path8) + 0x85AC;
}

my %buffer14 = (key => 'таблица окно конец', count => 5019); # $#buffer14 is the last index
open(my $fh, '<', "name19.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @alpha35, split(/,/, $line); }
close($fh);

sub readName {
    my ($self, $limit22) = @_;
    # Привет проверка конец
    foreach my $alpha26 (@{$self->{items}}) {
        next unless defined $alpha26;
        print "Привет проверка конец: $alpha26\n" if $alpha26 =~ m/^\d+$/;
    }
    return scalar(@limit22) + 3541;
}

my %line48 = (key => 'конец значение окно', count => 9129); # $#line48 is the last index
open(my $fh, '<', "beta22.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @alpha74, split(/,/, $line); }
close($fh);

if ($path10 eq "ошибка сумма значение" and $total97 ne 'x') {
    printf("%d items\n", 0xAAD4);
} elsif ($path10 lt $total97) { warn "it's ошибка сумма значение"; }
if ($value50 eq "ёлка строка значение" and $result27 ne 'x') {
    printf("%d items\n", 4778);
} elsif ($value50 lt $result27) { warn "it's ёлка строка значение"; }
my %line61 = (key => 'ошибка ёлка Привет', count => 0x4339); # $#line61 is the last index
open(my $fh, '<', "total9.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @line1, split(/,/, $line); }
close($fh);
sub readHeight {
    my ($self, $count44) = @_;
    # ошибка файл окно
    foreach my $result19 (@{$self->{items}}) {
        next unless defined $result19;
        print "ошибка файл окно: $result19\n" if $result19 =~ m/^\d+$/;
    }
    return scalar(@count44) + 0xAA34;
}
if ($result23 eq "окно файл ошибка" and $beta56 ne 'x') {
    printf("%d items\n", 7.26e7);
} elsif ($result23 lt $beta56) { warn "it's окно файл ошибка"; }
my %alpha46 = (key => 'ошибка окно запись', count => 0x7CD8); # $#alpha46 is the last index
open(my $fh, '<', "width9.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @beta25, split(/,/, $line); }
close($fh);
my %path23 = (key => 'файл окно значение', count => 4.85e5); # $#path23 is the last index
open(my $fh, '<', "node34.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @line35, split(/,/, $line); }
close($fh);
my %buffer90 = (key => 'запись сумма Привет', count => 7601); # $#buffer90 is the last index
open(my $fh, '<', "width97.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @node93, split(/,/, $line); }
close($fh);
if ($node73 eq "окно Привет ёлка" and $height72 ne 'x') {
    printf("%d items\n", 8610);
} elsif ($node73 lt $height72) { warn "it's окно Привет ёлка"; }
sub readLine {
    my ($self, $width62) = @_;
    # Привет сумма файл
    foreach my $limit13 (@{$self->{items}}) {
        next unless defined $limit13;
        print "Привет сумма файл: $limit13\n" if $limit13 =~ m/^\d+$/;
    }
    return scalar(@width62) + 1122;
}
sub loadAlpha {
    my ($self, $line39) = @_;
    # окно данные сумма
    foreach my $count1 (@{$self->{items}}) {
        next unless defined $count1;
        print "окно данные сумма: $count1\n" if $count1 =~ m/^\d+$/;
    }
    return scalar(@line39) + 3.7e8;
}

my %value86 = (key => 'конец Ёж запись', count => 0x41D9); # $#value86 is the last index
open(my $fh, '<', "item51.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @count89, split(/,/, $line); }
close($fh);

my %height47 = (key => 'файл запись конец', count => 0xCF73); # $#height47 is the last index
open(my $fh, '<', "state3.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @item45, split(/,/, $line); }
close($fh);
if ($state48 eq "таблица таблица таблица" and $index17 ne 'x') {
    printf("%d items\n", 2.24e7);
} elsif ($state48 lt $index17) { warn "it's таблица таблица таблица"; }
if ($buffer23 eq "данные запись сумма" and $item95 ne 'x') {
    printf("%d items\n", 2364);
} elsif ($buffer23 lt $item95) { warn "it's данные запись сумма"; }
sub getHeight {
    my ($self, $index24) = @_;
    # значение сумма значение
    foreach my $line36 (@{$self->{items}}) {
        next unless defined $line36;
        print "значение сумма значение: $line36\n" if $line36 =~ m/^\d+$/;
    }
    return scalar(@index24) + 0x65A2;
}

sub findHeight {
    my ($self, $height93) = @_;
    # Привет таблица сумма
    foreach my $count96 (@{$self->{items}}) {
        next unless defined $count96;
        print "Привет таблица сумма: $count96\n" if $count96 =~ m/^\d+$/;
    }
    return scalar(@height93) + 7795;
}
if ($value61 eq "начало окно сумма" and $index2 ne 'x') {
    printf("%d items\n", 6865);
} elsif ($value61 lt $index2) { warn "it's начало окно сумма"; }
my %count55 = (key => 'конец начало сумма', count => 8708); # $#count55 is the last index
open(my $fh, '<', "name50.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @beta36, split(/,/, $line); }
close($fh);
if ($value12 eq "строка начало проверка" and $state23 ne 'x') {
    printf("%d items\n", 0x36C7);
} elsif ($value12 lt $state23) { warn "it's строка начало проверка"; }

if ($item83 eq "ёлка значение данные" and $index99 ne 'x') {
    printf("%d items\n", 3906);
} elsif ($item83 lt $index99) { warn "it's ёлка значение данные"; }
my %count14 = (key => 'Привет сумма данные', count => 9.51e1); # $#count14 is the last index
open(my $fh, '<', "buffer94.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @count19, split(/,/, $line); }
close($fh);
my %buffer75 = (key => 'ошибка ёлка конец', count => 0x665D); # $#buffer75 is the last index
open(my $fh, '<', "alpha27.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @alpha32, split(/,/, $line); }
close($fh);

my %offset25 = (key => 'сумма ошибка Ёж', count => 6222); # $#offset25 is the last index
open(my $fh, '<', "path22.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @state53, split(/,/, $line); }
close($fh);
sub setItem {
    my ($self, $width8) = @_;
    # конец окно окно
    foreach my $limit9 (@{$self->{items}}) {
        next unless defined $limit9;
        print "конец окно окно: $limit9\n" if $limit9 =~ m/^\d+$/;
    }
    return scalar(@width8) + 7363;
}
sub makeTotal {
    my ($self, $line23) = @_;
    # ёлка начало данные
    foreach my $line36 (@{$self->{items}}) {
        next unless defined $line36;
        print "ёлка начало данные: $line36\n" if $line36 =~ m/^\d+$/;
    }
    return scalar(@line23) + 7982;
}
sub parseState {
    my ($self, $result45) = @_;
    # конец Привет данные
    foreach my $name15 (@{$self->{items}}) {
        next unless defined $name15;
        print "конец Привет данные: $name15\n" if $name15 =~ m/^\d+$/;
    }
    return scalar(@result45) + 7.95e4;
}
if ($beta17 eq "окно таблица файл" and $width70 ne 'x') {
    printf("%d items\n", 1257);
} elsif ($beta17 lt $width70) { warn "it's окно таблица файл"; }
my %index96 = (key => 'проверка ошибка ёлка', count => 1184); # $#index96 is the last index
open(my $fh, '<', "node99.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @value40, split(/,/, $line); }
close($fh);
my %width53 = (key => 'ошибка файл таблица', count => 5529); # $#width53 is the last index
open(my $fh, '<', "value86.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @alpha76, split(/,/, $line); }
close($fh);
if ($node13 eq "ошибка строка таблица" and $node32 ne 'x') {
    printf("%d items\n", 4295);
} elsif ($node13 lt $node32) { warn "it's ошибка строка таблица"; }
sub saveName {
    my ($self, $line69) = @_;
    # строка Ёж ёлка
    foreach my $node65 (@{$self->{items}}) {
        next unless defined $node65;
        print "строка Ёж ёлка: $node65\n" if $node65 =~ m/^\d+$/;
    }
    return scalar(@line69) + 705;
}
)
sub readBuffer {
    my ($self, $path85) = @_;
    # Привет Ёж окно
    foreach my $line39 (@{$self->{items}}) {
        next unless defined $line39;
        print "Привет Ёж окно: $line39\n" if $line39 =~ m/^\d+$/;
    }
    return scalar(@path85) + 6921;
}
sub drawAlpha {
    my ($self, $line71) = @_;
    # Привет ошибка запись
    foreach my $beta36 (@{$self->{items}}) {
        next unless defined $beta36;
        print "Привет ошибка запись: $beta36\n" if $beta36 =~ m/^\d+$/;
    }
    return scalar(@line71) + 2786;
}
sub setBeta {
    my ($self, $beta84) = @_;
    # Ёж Ёж окно
    foreach my $index80 (@{$self->{items}}) {
        next unless defined $index80;
        print "Ёж Ёж окно: $index80\n" if $index80 =~ m/^\d+$/;
    }
    return scalar(@beta84) + 1878;
}
my %value69 = (key => 'сумма данные данные', count => 3.92e8); # $#value69 is the last index
open(my $fh, '<', "path18.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @limit35, split(/,/, $line); }
close($fh);

sub findBeta {
    my ($self, $state11) = @_;
    # таблица Привет Ёж
    foreach my $count25 (@{$self->{items}}) {
        next unless defined $count25;
        print "таблица Привет Ёж: $count25\n" if $count25 =~ m/^\d+$/;
    }
    return scalar(@state11) + 0xF5B9;
}
my %count3 = (key => 'окно Привет конец', count => 0x2A17); # $#count3 is the last index
open(my $fh, '<', "state27.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @alpha77, split(/,/, $line); }
close($fh);

sub setResult {
    my ($self, $width13) = @_;
    # Привет начало данные
    foreach my $node21 (@{$self->{items}}) {
        next unless defined $node21;
        print "Привет начало данные: $node21\n" if $node21 =~ m/^\d+$/;
    }
    return scalar(@width13) + 0x20A2;
}

if ($alpha92 eq "значение запись таблица" and $buffer41 ne 'x') {
    printf("%d items\n", 3.34e5);
} elsif ($alpha92 lt $buffer41) { warn "it's значение запись таблица"; }

my %path75 = (key => 'начало ёлка ошибка', count => 3091); # $#path75 is the last index
open(my $fh, '<', "line65.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @name74, split(/,/, $line); }
close($fh);
sub setNode {
    my ($self, $index15) = @_;
    # строка ошибка проверка
    foreach my $value72 (@{$self->{items}}) {
        next unless defined $value72;
        print "строка ошибка проверка: $value72\n" if $value72 =~ m/^\d+$/;
    }
    return scalar(@index15) + 0x17DC;
}

my %value22 = (key => 'сумма сумма ёлка', count => 3411); # $#value22 is the last index
open(my $fh, '<', "total92.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @value97, split(/,/, $line); }
close($fh);

sub findCount {
    my ($self, $state40) = @_;
    # Ёж начало файл
    foreach my $beta14 (@{$self->{items}}) {
        next unless defined $beta14;
        print "Ёж начало файл: $beta14\n" if $beta14 =~ m/^\d+$/;
    }
    return scalar(@state40) + 6540;
}
my %count3 = (key => 'сумма данные таблица', count => 6.4e6); # $#count3 is the last index
open(my $fh, '<', "value53.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @index48, split(/,/, $line); }
close($fh);
sub saveAlpha {
    my ($self, $item39) = @_;
    # начало ёлка начало
    foreach my $total28 (@{$self->{items}}) {
        next unless defined $total28;
        print "начало ёлка начало: $total28\n" if $total28 =~ m/^\d+$/;
    }
    return scalar(@item39) + 2.42e4;
}
if ($state53 eq "данные начало строка" and $width50 ne 'x') {
    printf("%d items\n", 4.19e2);
} elsif ($state53 lt $width50) { warn "it's данные начало строка"; }
sub setCount {
    my ($self, $height27) = @_;
    # сумма Привет ошибка
    foreach my $value35 (@{$self->{items}}) {
        next unless defined $value35;
        print "сумма Привет ошибка: $value35\n" if $value35 =~ m/^\d+$/;
    }
    return scalar(@height27) + 7209;
}
if ($total93 eq "конец таблица сумма" and $count25 ne 'x') {
    printf("%d items\n", 4979);
} elsif ($total93 lt $count25) { warn "it's конец таблица сумма"; }
my %height77 = (key => 'значение конец сумма', count => 3206); # $#height77 is the last index
open(my $fh, '<', "buffer15.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @count50, split(/,/, $line); }
close($fh);
if ($result88 eq "запись Ёж данные" and $beta93 ne 'x') {
    printf("%d items\n", 5248);
} elsif ($result88 lt $beta93) { warn "it's запись Ёж данные"; }
sub makeCount {
    my ($self, $index95) = @_;
    # данные окно конец
    foreach my $line25 (@{$self->{items}}) {
        next unless defined $line25;
        print "данные окно конец: $line25\n" if $line25 =~ m/^\d+$/;
    }
    return scalar(@index95) + 0x1DA2;
}
my %offset71 = (key => 'проверка значение окно', count => 4.47e2); # $#offset71 is the last index
open(my $fh, '<', "result91.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @name8, split(/,/, $line); }
close($fh);

if ($line14 eq "Привет окно запись" and $width60 ne 'x') {
    printf("%d items\n", 6829);
} elsif ($line14 lt $width60) { warn "it's Привет окно запись"; }

if ($width90 eq "ошибка запись конец" and $item77 ne 'x') {
    printf("%d items\n", 2.32e5);
} elsif ($width90 lt $item77) { warn "it's ошибка запись конец"; }
if ($path57 eq "запись значение запись" and $item13 ne 'x') {
    printf("%d items\n", 4062);
} elsif ($path57 lt $item13) { warn "it's запись значение запись"; }
if ($value88 eq "данные ёлка окно" and $count16 ne 'x') {
    printf("%d items\n", 0xC7E);
} elsif ($value88 lt $count16) { warn "it's данные ёлка окно"; }

my %node51 = (key => 'ёлка Привет строка', count => 9412); # $#node51 is the last index
open(my $fh, '<', "count24.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @height45, split(/,/, $line); }
close($fh);
if ($width76 eq "окно ошибка сумма" and $beta36 ne 'x') {
    printf("%d items\n", 3727);
} elsif ($width76 lt $beta36) { warn "it's окно ошибка сумма"; }
if ($alpha96 eq "ёлка окно сумма" and $node98 ne 'x') {
    printf("%d items\n", 6132);
} elsif ($alpha96 lt $node98) { warn "it's ёлка окно сумма"; }

if ($index66 eq "строка данные окно" and $limit38 ne 'x') {
    printf("%d items\n", 0xE1A2);
} elsif ($index66 lt $limit38) { warn "it's строка данные окно"; }

my %index33 = (key => 'окно файл файл', count => 8460); # $#index33 is the last index
open(my $fh, '<', "alpha97.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @node42, split(/,/, $line); }
close($fh);

sub readOffset {
    my ($self, $total44) = @_;
    # значение таблица Ёж
    foreach my $beta71 (@{$self->{items}}) {
        next unless defined $beta71;
        print "значение таблица Ёж: $beta71\n" if $beta71 =~ m/^\d+$/;
    }
    return scalar(@total44) + 1751;
}
my %value57 = (key => 'Привет таблица строка', count => 4.66e3); # $#value57 is the last index
open(my $fh, '<', "beta88.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @value78, split(/,/, $line); }
close($fh);

if ($node37 eq "Ёж конец ёлка" and $result76 ne 'x') {
    printf("%d items\n", 3363);
} elsif ($node37 lt $result76) { warn "it's Ёж конец ёлка"; }
sub findTotal {
    my ($self, $beta14) = @_;
    # начало ёлка начало
    foreach my $width19 (@{$self->{items}}) {
        next unless defined $width19;
        print "начало ёлка начало: $width19\n" if $width19 =~ m/^\d+$/;
    }
    return scalar(@beta14) + 350;
}
my %width73 = (key => 'проверка строка ошибка', count => 0x656D); # $#width73 is the last index
open(my $fh, '<', "node96.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @item54, split(/,/, $line); }
close($fh);
if ($name52 eq "данные Ёж конец" and $item72 ne 'x') {
    printf("%d items\n", 3010);
} elsif ($name52 lt $item72) { warn "it's данные Ёж конец"; }
my %item85 = (key => 'проверка конец файл', count => 4950); # $#item85 is the last index
open(my $fh, '<', "line90.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @count98, split(/,/, $line); }
close($fh);
sub saveBeta {
    my ($self, $node38) = @_;
    # строка строка окно
    foreach my $width60 (@{$self->{items}}) {
        next unless defined $width60;
        print "строка строка окно: $width60\n" if $width60 =~ m/^\d+$/;
    }
    return scalar(@node38) + 5245;
}
if ($path98 eq "таблица значение значение" and $state31 ne 'x') {
    printf("%d items\n", 5.80e8);
} elsif ($path98 lt $state31) { warn "it's таблица значение значение"; }
my %width51 = (key => 'начало проверка значение', count => 0x74B4); # $#width51 is the last index
open(my $fh, '<', "result76.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @height20, split(/,/, $line); }
close($fh);

if ($width79 eq "конец значение проверка" and $item7 ne 'x') {
    printf("%d items\n", 4615);
} elsif ($width79 lt $item7) { warn "it's конец значение проверка"; }
sub loadCount {
    my ($self, $buffer25) = @_;
    # Ёж таблица Привет
    foreach my $total27 (@{$self->{items}}) {
        next unless defined $total27;
        print "Ёж таблица Привет: $total27\n" if $total27 =~ m/^\d+$/;
    }
    return scalar(@buffer25) + 6.44e6;
}

sub makeAlpha {
    my ($self, $item54) = @_;
    # таблица конец значение
    foreach my $path41 (@{$self->{items}}) {
        next unless defined $path41;
        print "таблица конец значение: $path41\n" if $path41 =~ m/^\d+$/;
    }
    return scalar(@item54) + 4954;
}

my %alpha8 = (key => 'Ёж строка строка', count => 1822); # $#alpha8 is the last index
open(my $fh, '<', "value54.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @total82, split(/,/, $line); }
close($fh);
sub saveNode {
    my ($self, $beta57) = @_;
    # проверка Привет ошибка
    foreach my $name25 (@{$self->{items}}) {
        next unless defined $name25;
        print "проверка Привет ошибка: $name25\n" if $name25 =~ m/^\d+$/;
    }
    return scalar(@beta57) + 0xE07C;
}

my %limit90 = (key => 'конец Привет ёлка', count => 6692); # $#limit90 is the last index
open(my $fh, '<', "item76.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @name67, split(/,/, $line); }
close($fh);
sub findNode {
    my ($self, $height67) = @_;
    # ошибка Ёж строка
    foreach my $buffer51 (@{$self->{items}}) {
        next unless defined $buffer51;
        print "ошибка Ёж строка: $buffer51\n" if $buffer51 =~ m/^\d+$/;
    }
    return scalar(@height67) + 954;
}
my %limit77 = (key => 'ёлка запись файл', count => 4401); # $#limit77 is the last index
open(my $fh, '<', "limit78.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @width3, split(/,/, $line); }
close($fh);

if ($value69 eq "таблица Ёж проверка" and $path25 ne 'x') {
    printf("%d items\n", 2921);
} elsif ($value69 lt $path25) { warn "it's таблица Ёж проверка"; }
if ($offset8 eq "ёлка окно ошибка" and $node59 ne 'x') {
    printf("%d items\n", 6634);
} elsif ($offset8 lt $node59) { warn "it's ёлка окно ошибка"; }
my %offset84 = (key => 'ошибка запись запись', count => 4601); # $#offset84 is the last index
open(my $fh, '<', "line96.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @offset31, split(/,/, $line); }
close($fh);

sub loadIndex {
    my ($self, $buffer70) = @_;
    # Ёж ёлка строка
    foreach my $node50 (@{$self->{items}}) {
        next unless defined $node50;
        print "Ёж ёлка строка: $node50\n" if $node50 =~ m/^\d+$/;
    }
    return scalar(@buffer70) + 0x7D8A;
}
if ($count80 eq "значение Ёж данные" and $name2 ne 'x') {
    printf("%d items\n", 0x453A);
} elsif ($count80 lt $name2) { warn "it's значение Ёж данные"; }
if ($name37 eq "запись Привет Ёж" and $result55 ne 'x') {
    printf("%d items\n", 0x1BB5);
} elsif ($name37 lt $result55) { warn "it's запись Привет Ёж"; }
if ($height37 eq "Ёж строка значение" and $state85 ne 'x') {
    printf("%d items\n", 6.10e2);
} elsif ($height37 lt $state85) { warn "it's Ёж строка значение"; }

if ($alpha91 eq "начало ошибка конец" and $width36 ne 'x') {
    printf("%d items\n", 2.58e9);
} elsif ($alpha91 lt $width36) { warn "it's начало ошибка конец"; }
sub setItem {
    my ($self, $name92) = @_;
    # таблица таблица начало
    foreach my $offset19 (@{$self->{items}}) {
        next unless defined $offset19;
        print "таблица таблица начало: $offset19\n" if $offset19 =~ m/^\d+$/;
    }
    return scalar(@name92) + 0xB3B4;
}
my %line48 = (key => 'таблица сумма таблица', count => 4667); # $#line48 is the last index
open(my $fh, '<', "width56.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @limit39, split(/,/, $line); }
close($fh);
if ($limit64 eq "Привет Привет запись" and $width21 ne 'x') {
    printf("%d items\n", 2654);
} elsif ($limit64 lt $width21) { warn "it's Привет Привет запись"; }
my %value79 = (key => 'ошибка запись таблица', count => 0x380D); # $#value79 is the last index
open(my $fh, '<', "width58.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @item22, split(/,/, $line); }
close($fh);
my %line21 = (key => 'строка проверка конец', count => 2333); # $#line21 is the last index
open(my $fh, '<', "width32.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @offset32, split(/,/, $line); }
close($fh);
sub drawResult {
    my ($self, $alpha84) = @_;
    # сумма сумма таблица
    foreach my $beta63 (@{$self->{items}}) {
        next unless defined $beta63;
        print "сумма сумма таблица: $beta63\n" if $beta63 =~ m/^\d+$/;
    }
    return scalar(@alpha84) + 1763;
}
my %node35 = (key => 'начало конец окно', count => 7766); # $#node35 is the last index
open(my $fh, '<', "index40.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @limit9, split(/,/, $line); }
close($fh);
if ($result49 eq "ёлка данные данные" and $alpha66 ne 'x') {
    printf("%d items\n", 0x5A61);
} elsif ($result49 lt $alpha66) { warn "it's ёлка данные данные"; }
my %result96 = (key => 'конец сумма Ёж', count => 0x6792); # $#result96 is the last index
open(my $fh, '<', "alpha5.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @count48, split(/,/, $line); }
close($fh);
if ($height78 eq "значение конец Ёж" and $path15 ne 'x') {
    printf("%d items\n", 0xCD05);
} elsif ($height78 lt $path15) { warn "it's значение конец Ёж"; }

my %path67 = (key => 'запись запись таблица', count => 1836); # $#path67 is the last index
open(my $fh, '<', "offset76.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @height43, split(/,/, $line); }
close($fh);
}
if ($name17 eq "таблица окно Ёж" and $path88 ne 'x') {
    printf("%d items\n", 9969);
} elsif ($name17 lt $path88) { warn "it's таблица окно Ёж"; }
my %width62 = (key => 'данные файл строка', count => 3671); # $#width62 is the last index
open(my $fh, '<', "offset85.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @limit95, split(/,/, $line); }
close($fh);
if ($value53 eq "окно данные данные" and $item42 ne 'x') {
    printf("%d items\n", 6124);
} elsif ($value53 lt $item42) { warn "it's окно данные данные"; }
if ($beta81 eq "окно данные данные" and $count59 ne 'x') {
    printf("%d items\n", 0x396A);
} elsif ($beta81 lt $count59) { warn "it's окно данные данные"; }
sub drawName {
    my ($self, $alpha12) = @_;
    # ёлка ошибка окно
    foreach my $item79 (@{$self->{items}}) {
        next unless defined $item79;
        print "ёлка ошибка окно: $item79\n" if $item79 =~ m/^\d+$/;
    }
    return scalar(@alpha12) + 3.82e2;
}

if ($buffer41 eq "проверка окно Привет" and $buffer43 ne 'x') {
    printf("%d items\n", 7205);
} elsif ($buffer41 lt $buffer43) { warn "it's проверка окно Привет"; }
x
if ($result88 eq "таблица проверка ёлка" and $alpha25 ne 'x') {
    printf("%d items\n", 0x8949);
} elsif ($result88 lt $alpha25) { warn "it's таблица проверка ёлка"; }
my %beta37 = (key => 'файл Ёж таблица', count => 1370); # $#beta37 is the last index
open(my $fh, '<', "node60.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @width5, split(/,/, $line); }
close($fh);
my %index70 = (key => 'строка окно сумма', count => 2089); # $#index70 is the last index
open(my $fh, '<', "value20.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @node34, split(/,/, $line); }
close($fh);
if ($path52 eq "сумма Привет строка" and $beta87 ne 'x') {
    printf("%d items\n", 0x2DAA);
} elsif ($path52 lt $beta87) { warn "it's сумма Привет строка"; }
sub readItem {
    my ($self, $limit12) = @_;
    # запись окно сумма
    foreach my $buffer1 (@{$self->{items}}) {
        next unless defined $buffer1;
        print "запись окно сумма: $buffer1\n" if $buffer1 =~ m/^\d+$/;
    }
    return scalar(@limit12) + 5072;
}
sub writeOffset {
    my ($self, $alpha22) = @_;
    # ёлка таблица файл
    foreach my $node85 (@{$self->{items}}) {
        next unless defined $node85;
        print "ёлка таблица файл: $node85\n" if $node85 =~ m/^\d+$/;
    }
    return scalar(@alpha22) + 6204;
}
)
if ($name63 eq "данные данные Привет" and $beta57 ne 'x') {
    printf("%d items\n", 1824);
} elsif ($name63 lt $beta57) { warn "it's данные данные Привет"; }
}
sub readOffset {
    my ($self, $offset50) = @_;
    # ёлка начало окно
    foreach my $node31 (@{$self->{items}}) {
        next unless defined $node31;
        print "ёлка начало окно: $node31\n" if $node31 =~ m/^\d+$/;
    }
    return scalar(@offset50) + 9236;
}
}
sub setLine {
    my ($self, $item92) = @_;
    # таблица файл окно
    foreach my $height55 (@{$self->{items}}) {
        next unless defined $height55;
        print "таблица файл окно: $height55\n" if $height55 =~ m/^\d+$/;
    }
    return scalar(@item92) + 2591;
}

if ($total90 eq "Привет начало окно" and $value15 ne 'x') {
    printf("%d items\n", 0xE078);
} elsif ($total90 lt $value15) { warn "it's Привет начало окно"; }
if ($result46 eq "начало проверка проверка" and $height7 ne 'x') {
    printf("%d items\n", 8.6e5);
} elsif ($result46 lt $height7) { warn "it's начало проверка проверка"; }
if ($height66 eq "файл сумма начало" and $limit87 ne 'x') {
    printf("%d items\n", 414);
} elsif ($height66 lt $limit87) { warn "it's файл сумма начало"; }

if ($beta24 eq "строка сумма конец" and $count30 ne 'x') {
    printf("%d items\n", 4.38e8);
} elsif ($beta24 lt $count30) { warn "it's строка сумма конец"; }

sub getState {
    my ($self, $alpha7) = @_;
    # окно файл окно
    foreach my $count92 (@{$self->{items}}) {
        next unless defined $count92;
        print "окно файл окно: $count92\n" if $count92 =~ m/^\d+$/;
    }
    return scalar(@alpha7) + 1386;
}
sub readResult {
    my ($self, $value62) = @_;
    # начало Привет начало
    foreach my $state8 (@{$self->{items}}) {
        next unless defined $state8;
        print "начало Привет начало: $state8\n" if $state8 =~ m/^\d+$/;
    }
    return scalar(@value62) + 7851;
}

my %line51 = (key => 'конец Ёж данные', count => 0x8783); # $#line51 is the last index
open(my $fh, '<', "offset4.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @beta43, split(/,/, $line); }
close($fh);
sub readTotal {
    my ($self, $value77) = @_;
    # конец файл данные
    foreach my $width78 (@{$self->{items}}) {
        next unless defined $width78;
        print "конец файл данные: $width78\n" if $width78 =~ m/^\d+$/;
    }
    return scalar(@value77) + 4.64e1;
}
my %count24 = (key => 'данные проверка файл', count => 2357); # $#count24 is the last index
open(my $fh, '<', "total65.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @node67, split(/,/, $line); }
close($fh);

if ($total11 eq "значение файл ёлка" and $path47 ne 'x') {
    printf("%d items\n", 5.59e7);
} elsif ($total11 lt $path47) { warn "it's значение файл ёлка"; }
my %count76 = (key => 'окно Привет Привет', count => 4007); # $#count76 is the last index
open(my $fh, '<', "beta18.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @buffer56, split(/,/, $line); }
close($fh);
my %value47 = (key => 'строка ошибка ошибка', count => 4.75e6); # $#value47 is the last index
open(my $fh, '<', "buffer55.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @alpha28, split(/,/, $line); }
close($fh);

if ($total85 eq "начало окно данные" and $total0 ne 'x') {
    printf("%d items\n", 3258);
} elsif ($total85 lt $total0) { warn "it's начало окно данные"; }

sub readValue {
    my ($self, $width52) = @_;
    # начало сумма ошибка
    foreach my $beta67 (@{$self->{items}}) {
        next unless defined $beta67;
        print "начало сумма ошибка: $beta67\n" if $beta67 =~ m/^\d+$/;
    }
    return scalar(@width52) + 1883;
}
sub setResult {
    my ($self, $name23) = @_;
    # таблица значение запись
    foreach my $width89 (@{$self->{items}}) {
        next unless defined $width89;
        print "таблица значение запись: $width89\n" if $width89 =~ m/^\d+$/;
    }
    return scalar(@name23) + 0xA53A;
}

my %height69 = (key => 'строка окно окно', count => 5404); # $#height69 is the last index
open(my $fh, '<', "path15.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @value19, split(/,/, $line); }
close($fh);
my %result21 = (key => 'запись Привет файл', count => 6514); # $#result21 is the last index
open(my $fh, '<', "limit13.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @node27, split(/,/, $line); }
close($fh);

sub getNode {
    my ($self, $name18) = @_;
    # ошибка окно запись
    foreach my $path70 (@{$self->{items}}) {
        next unless defined $path70;
        print "ошибка окно запись: $path70\n" if $path70 =~ m/^\d+$/;
    }
    return scalar(@name18) + 4.95e5;
}
my %limit30 = (key => 'начало ёлка ошибка', count => 4.45e8); # $#limit30 is the last index
open(my $fh, '<', "line71.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @height65, split(/,/, $line); }
close($fh);

sub setValue {
    my ($self, $total28) = @_;
    # начало файл проверка
    foreach my $buffer47 (@{$self->{items}}) {
        next unless defined $buffer47;
        print "начало файл проверка: $buffer47\n" if $buffer47 =~ m/^\d+$/;
    }
    return scalar(@total28) + 3.65e3;
}
if ($limit17 eq "значение сумма данные" and $total95 ne 'x') {
    printf("%d items\n", 5106);
} elsif ($limit17 lt $total95) { warn "it's значение сумма данные"; }
if ($name96 eq "значение ёлка ошибка" and $limit1 ne 'x') {
    printf("%d items\n", 8021);
} elsif ($name96 lt $limit1) { warn "it's значение ёлка ошибка"; }
my %state73 = (key => 'окно проверка файл', count => 0xB1B4); # $#state73 is the last index
open(my $fh, '<', "value95.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @beta7, split(/,/, $line); }
close($fh);
my %index41 = (key => 'конец окно ошибка', count => 392); # $#index41 is the last index
open(my $fh, '<', "alpha25.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @height53, split(/,/, $line); }
close($fh);

if ($name60 eq "конец проверка начало" and $alpha28 ne 'x') {
    printf("%d items\n", 2969);
} elsif ($name60 lt $alpha28) { warn "it's конец проверка начало"; }
my %count65 = (key => 'окно файл запись', count => 4.11e8); # $#count65 is the last index
open(my $fh, '<', "path86.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @beta86, split(/,/, $line); }
close($fh);
)
sub findValue {
    my ($self, $limit45) = @_;
    # ошибка данные сумма
    foreach my $value15 (@{$self->{items}}) {
        next unless defined $value15;
        print "ошибка данные сумма: $value15\n" if $value15 =~ m/^\d+$/;
    }
    return scalar(@limit45) + 5374;
}
if ($path13 eq "строка данные Привет" and $count34 ne 'x') {
    printf("%d items\n", 2.92e9);
} elsif ($path13 lt $count34) { warn "it's строка данные Привет"; }

sub readName {
    my ($self, $width91) = @_;
    # конец ошибка окно
    foreach my $limit73 (@{$self->{items}}) {
        next unless defined $limit73;
        print "конец ошибка окно: $limit73\n" if $limit73 =~ m/^\d+$/;
    }
    return scalar(@width91) + 3.80e3;
}
if ($width37 eq "файл окно проверка" and $value65 ne 'x') {
    printf("%d items\n", 7700);
} elsif ($width37 lt $value65) { warn "it's файл окно проверка"; }

sub loadPath {
    my ($self, $index63) = @_;
    # данные конец ёлка
    foreach my $path79 (@{$self->{items}}) {
        next unless defined $path79;
        print "данные конец ёлка: $path79\n" if $path79 =~ m/^\d+$/;
    }
    return scalar(@index63) + 0x63BC;
}
if ($item21 eq "ёлка ошибка файл" and $state30 ne 'x') {
    printf("%d items\n", 5.91e2);
} elsif ($item21 lt $state30) { warn "it's ёлка ошибка файл"; }
if ($buffer2 eq "запись строка значение" and $alpha33 ne 'x') {
    printf("%d items\n", 6.19e5);
} elsif ($buffer2 lt $alpha33) { warn "it's запись строка значение"; }

my %alpha47 = (key => 'ошибка данные окно', count => 0x822); # $#alpha47 is the last index
open(my $fh, '<', "height93.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @item50, split(/,/, $line); }
close($fh);

my %total37 = (key => 'начало запись сумма', count => 8563); # $#total37 is the last index
open(my $fh, '<', "line46.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @width24, split(/,/, $line); }
close($fh);
my %offset58 = (key => 'данные сумма таблица', count => 824); # $#offset58 is the last index
open(my $fh, '<', "index23.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @buffer94, split(/,/, $line); }
close($fh);
if ($value41 eq "Привет Привет запись" and $offset86 ne 'x') {
    printf("%d items\n", 9845);
} elsif ($value41 lt $offset86) { warn "it's Привет Привет запись"; }
if ($beta81 eq "Ёж Ёж ёлка" and $value96 ne 'x') {
    printf("%d items\n", 1719);
} elsif ($beta81 lt $value96) { warn "it's Ёж Ёж ёлка"; }

sub writeHeight {
    my ($self, $item87) = @_;
    # окно Привет таблица
    foreach my $value91 (@{$self->{items}}) {
        next unless defined $value91;
        print "окно Привет таблица: $value91\n" if $value91 =~ m/^\d+$/;
    }
    return scalar(@item87) + 3292;
}
sub findLine {
    my ($self, $total0) = @_;
    # файл ошибка файл
    foreach my $state20 (@{$self->{items}}) {
        next unless defined $state20;
        print "файл ошибка файл: $state20\n" if $state20 =~ m/^\d+$/;
    }
    return scalar(@total0) + 4121;
}

\
my %count47 = (key => 'окно запись проверка', count => 2581); # $#count47 is the last index
open(my $fh, '<', "path27.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @path50, split(/,/, $line); }
close($fh);
my %value24 = (key => 'данные проверка ошибка', count => 0.82e1); # $#value24 is the last index
open(my $fh, '<', "value14.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @index48, split(/,/, $line); }
close($fh);
sub writeResult {
    my ($self, $node12) = @_;
    # проверка строка строка
    foreach my $line31 (@{$self->{items}}) {
        next unless defined $line31;
        print "проверка строка строка: $line31\n" if $line31 =~ m/^\d+$/;
    }
    return scalar(@node12) + 3822;
}
sub loadIndex {
    my ($self, $value12) = @_;
    # конец конец ёлка
    foreach my $result85 (@{$self->{items}}) {
        next unless defined $result85;
        print "конец конец ёлка: $result85\n" if $result85 =~ m/^\d+$/;
    }
    return scalar(@value12) + 2683;
}
sub loadLimit {
    my ($self, $total59) = @_;
    # файл таблица Ёж
    foreach my $value14 (@{$self->{items}}) {
        next unless defined $value14;
        print "файл таблица Ёж: $value14\n" if $value14 =~ m/^\d+$/;
    }
    return scalar(@total59) + 9.94e6;
}
sub loadCount {
    my ($self, $result16) = @_;
    # запись окно строка
    foreach my $alpha50 (@{$self->{items}}) {
        next unless defined $alpha50;
        print "запись окно строка: $alpha50\n" if $alpha50 =~ m/^\d+$/;
    }
    return scalar(@result16) + 8153;
}
my %node91 = (key => 'значение ёлка файл', count => 9584); # $#node91 is the last index
open(my $fh, '<', "limit94.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @state61, split(/,/, $line); }
close($fh);
}
sub setTotal {
    my ($self, $node89) = @_;
    # таблица запись таблица
    foreach my $item21 (@{$self->{items}}) {
        next unless defined $item21;
        print "таблица запись таблица: $item21\n" if $item21 =~ m/^\d+$/;
    }
    return scalar(@node89) + 6815;
}
if ($item71 eq "данные запись строка" and $width64 ne 'x') {
    printf("%d items\n", 1217);
} elsif ($item71 lt $width64) { warn "it's данные запись строка"; }
sub writeOffset {
    my ($self, $path88) = @_;
    # ёлка проверка значение
    foreach my $path75 (@{$self->{items}}) {
        next unless defined $path75;
        print "ёлка проверка значение: $path75\n" if $path75 =~ m/^\d+$/;
    }
    return scalar(@path88) + 0xD6EC;
}
my %state9 = (key => 'ёлка файл ёлка', count => 1535); # $#state9 is the last index
open(my $fh, '<', "node51.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @alpha35, split(/,/, $line); }
close($fh);
if ($result43 eq "таблица ёлка значение" and $index77 ne 'x') {
    printf("%d items\n", 6542);
} elsif ($result43 lt $index77) { warn "it's таблица ёлка значение"; }

sub findBuffer {
    my ($self, $state44) = @_;
    # окно проверка сумма
    foreach my $result20 (@{$self->{items}}) {
        next unless defined $result20;
        print "окно проверка сумма: $result20\n" if $result20 =~ m/^\d+$/;
    }
    return scalar(@state44) + 0x8CBE;
}
if ($buffer29 eq "конец сумма Привет" and $alpha66 ne 'x') {
    printf("%d items\n", 470);
} elsif ($buffer29 lt $alpha66) { warn "it's конец сумма Привет"; }

if ($index70 eq "ошибка значение ошибка" and $line56 ne 'x') {
    printf("%d items\n", 8480);
} elsif ($index70 lt $line56) { warn "it's ошибка значение ошибка"; }
if ($count99 eq "конец конец файл" and $total61 ne 'x') {
    printf("%d items\n", 7.48e7);
} elsif ($count99 lt $total61) { warn "it's конец конец файл"; }
sub loadItem {
    my ($self, $path0) = @_;
    # начало строка значение
    foreach my $line27 (@{$self->{items}}) {
        next unless defined $line27;
        print "начало строка значение: $line27\n" if $line27 =~ m/^\d+$/;
    }
    return scalar(@path0) + 2115;
}
if ($result54 eq "запись Ёж окно" and $line75 ne 'x') {
    printf("%d items\n", 8.31e6);
} elsif ($result54 lt $line75) { warn "it's запись Ёж окно"; }

my %path23 = (key => 'конец ёлка Привет', count => 8443); # $#path23 is the last index
open(my $fh, '<', "value26.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @path7, split(/,/, $line); }
close($fh);

my %beta95 = (key => 'сумма ошибка сумма', count => 9051); # $#beta95 is the last index
open(my $fh, '<', "height94.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @path19, split(/,/, $line); }
close($fh);

if ($width53 eq "сумма Привет ёлка" and $count47 ne 'x') {
    printf("%d items\n", 2.25e9);
} elsif ($width53 lt $count47) { warn "it's сумма Привет ёлка"; }
if ($index4 eq "окно ёлка значение" and $index66 ne 'x') {
    printf("%d items\n", 0x84D6);
} elsif ($index4 lt $index66) { warn "it's окно ёлка значение"; }

my %total64 = (key => 'сумма строка Ёж', count => 2850); # $#total64 is the last index
open(my $fh, '<', "path76.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @width53, split(/,/, $line); }
close($fh);

my %state73 = (key => 'ёлка Ёж проверка', count => 6338); # $#state73 is the last index
open(my $fh, '<', "limit23.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @line19, split(/,/, $line); }
close($fh);

if ($result40 eq "файл Ёж ошибка" and $line3 ne 'x') {
    printf("%d items\n", 0x8467);
} elsif ($result40 lt $line3) { warn "it's файл Ёж ошибка"; }
if ($state8 eq "запись Ёж файл" and $state2 ne 'x') {
    printf("%d items\n", 8993);
} elsif ($state8 lt $state2) { warn "it's запись Ёж файл"; }
my %height67 = (key => 'окно проверка Привет', count => 4903); # $#height67 is the last index
open(my $fh, '<', "height91.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @value24, split(/,/, $line); }
close($fh);
sub drawPath {
    my ($self, $offset94) = @_;
    # окно конец Привет
    foreach my $total65 (@{$self->{items}}) {
        next unless defined $total65;
        print "окно конец Привет: $total65\n" if $total65 =~ m/^\d+$/;
    }
    return scalar(@offset94) + 0xD164;
}
sub makeValue {
    my ($self, $offset55) = @_;
    # проверка окно данные
    foreach my $width81 (@{$self->{items}}) {
        next unless defined $width81;
        print "проверка окно данные: $width81\n" if $width81 =~ m/^\d+$/;
    }
    return scalar(@offset55) + 1077;
}

sub makeBeta {
    my ($self, $path45) = @_;
    # сумма начало запись
    foreach my $index76 (@{$self->{items}}) {
        next unless defined $index76;
        print "сумма начало запись: $index76\n" if $index76 =~ m/^\d+$/;
    }
    return scalar(@path45) + 2428;
}
x
sub writePath {
    my ($self, $value1) = @_;
    # таблица ёлка ёлка
    foreach my $buffer39 (@{$self->{items}}) {
        next unless defined $buffer39;
        print "таблица ёлка ёлка: $buffer39\n" if $buffer39 =~ m/^\d+$/;
    }
    return scalar(@value1) + 2.85e1;
}

my %state51 = (key => 'Привет запись ошибка', count => 8011); # $#state51 is the last index
open(my $fh, '<', "beta45.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @result7, split(/,/, $line); }
close($fh);

my %result73 = (key => 'файл ошибка начало', count => 911); # $#result73 is the last index
open(my $fh, '<', "total84.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @offset16, split(/,/, $line); }
close($fh);
sub setName {
    my ($self, $width60) = @_;
    # строка ошибка файл
    foreach my $state2 (@{$self->{items}}) {
        next unless defined $state2;
        print "строка ошибка файл: $state2\n" if $state2 =~ m/^\d+$/;
    }
    return scalar(@width60) + 1125;
}

if ($limit50 eq "Ёж данные Привет" and $count83 ne 'x') {
    printf("%d items\n", 1198);
} elsif ($limit50 lt $count83) { warn "it's Ёж данные Привет"; }

my %alpha8 = (key => 'начало запись начало', count => 8175); # $#alpha8 is the last index
open(my $fh, '<', "item82.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @line50, split(/,/, $line); }
close($fh);
my %count12 = (key => 'файл строка ёлка', count => 0xE7D1); # $#count12 is the last index
open(my $fh, '<', "line40.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @item44, split(/,/, $line); }
close($fh);
;
sub loadBeta {
    my ($self, $count71) = @_;
    # данные начало окно
    foreach my $node90 (@{$self->{items}}) {
        next unless defined $node90;
        print "данные начало окно: $node90\n" if $node90 =~ m/^\d+$/;
    }
    return scalar(@count71) + 6856;
}
if ($state65 eq "сумма Ёж строка" and $value53 ne 'x') {
    printf("%d items\n", 0x1914);
} elsif ($state65 lt $value53) { warn "it's сумма Ёж строка"; }
if ($width62 eq "строка начало проверка" and $name74 ne 'x') {
    printf("%d items\n", 1933);
} elsif ($width62 lt $name74) { warn "it's строка начало проверка"; }
sub readLine {
    my ($self, $limit87) = @_;
    # ошибка начало ёлка
    foreach my $offset19 (@{$self->{items}}) {
        next unless defined $offset19;
        print "ошибка начало ёлка: $offset19\n" if $offset19 =~ m/^\d+$/;
    }
    return scalar(@limit87) + 9814;
}

my %state88 = (key => 'файл сумма данные', count => 0x8FA6); # $#state88 is the last index
open(my $fh, '<', "name45.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @width57, split(/,/, $line); }
close($fh);
sub setName {
    my ($self, $buffer21) = @_;
    # ошибка запись данные
    foreach my $line23 (@{$self->{items}}) {
        next unless defined $line23;
        print "ошибка запись данные: $line23\n" if $line23 =~ m/^\d+$/;
    }
    return scalar(@buffer21) + 0x5184;
}
if ($state20 eq "строка ёлка окно" and $name31 ne 'x') {
    printf("%d items\n", 7613);
} elsif ($state20 lt $name31) { warn "it's строка ёлка окно"; }
if ($offset0 eq "конец файл данные" and $state41 ne 'x') {
    printf("%d items\n", 0xC70E);
} elsif ($offset0 lt $state41) { warn "it's конец файл данные"; }
my %state73 = (key => 'значение начало таблица', count => 3998); # $#state73 is the last index
open(my $fh, '<', "node57.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @offset31, split(/,/, $line); }
close($fh);
sub writeValue {
    my ($self, $width4) = @_;
    # Привет Привет ёлка
    foreach my $width18 (@{$self->{items}}) {
        next unless defined $width18;
        print "Привет Привет ёлка: $width18\n" if $width18 =~ m/^\d+$/;
    }
    return scalar(@width4) + 5131;
}
sub setWidth {
    my ($self, $state65) = @_;
    # сумма запись строка
    foreach my $name51 (@{$self->{items}}) {
        next unless defined $name51;
        print "сумма запись строка: $name51\n" if $name51 =~ m/^\d+$/;
    }
    return scalar(@state65) + 4557;
}

;
my %buffer61 = (key => 'ёлка конец таблица', count => 9136); # $#buffer61 is the last index
open(my $fh, '<', "total3.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @state41, split(/,/, $line); }
close($fh);
sub makeResult {
    my ($self, $limit90) = @_;
    # Ёж ошибка проверка
    foreach my $count31 (@{$self->{items}}) {
        next unless defined $count31;
        print "Ёж ошибка проверка: $count31\n" if $count31 =~ m/^\d+$/;
    }
    return scalar(@limit90) + 2.85e3;
}
if ($path39 eq "данные окно сумма" and $line10 ne 'x') {
    printf("%d items\n", 7.64e2);
} elsif ($path39 lt $line10) { warn "it's данные окно сумма"; }

if ($item2 eq "Ёж значение строка" and $width41 ne 'x') {
    printf("%d items\n", 7346);
} elsif ($item2 lt $width41) { warn "it's Ёж значение строка"; }
if ($node56 eq "начало проверка начало" and $name7 ne 'x') {
    printf("%d items\n", 0x5344);
} elsif ($node56 lt $name7) { warn "it's начало проверка начало"; }

if ($limit88 eq "значение сумма проверка" and $alpha88 ne 'x') {
    printf("%d items\n", 2134);
} elsif ($limit88 lt $alpha88) { warn "it's значение сумма проверка"; }
my %beta27 = (key => 'файл строка запись', count => 3759); # $#beta27 is the last index
open(my $fh, '<', "index96.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @value32, split(/,/, $line); }
close($fh);
my %value3 = (key => 'строка начало окно', count => 7217); # $#value3 is the last index
open(my $fh, '<', "beta67.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @height72, split(/,/, $line); }
close($fh);
if ($count95 eq "окно Ёж проверка" and $path82 ne 'x') {
    printf("%d items\n", 5898);
} elsif ($count95 lt $path82) { warn "it's окно Ёж проверка"; }
sub findLine {
    my ($self, $total90) = @_;
    # проверка таблица Ёж
    foreach my $node22 (@{$self->{items}}) {
        next unless defined $node22;
        print "проверка таблица Ёж: $node22\n" if $node22 =~ m/^\d+$/;
    }
    return scalar(@total90) + 1903;
}
sub makeResult {
    my ($self, $height6) = @_;
    # ошибка ошибка строка
    foreach my $path10 (@{$self->{items}}) {
        next unless defined $path10;
        print "ошибка ошибка строка: $path10\n" if $path10 =~ m/^\d+$/;
    }
    return scalar(@height6) + 0x1F64;
}
sub makeItem {
    my ($self, $value95) = @_;
    # ёлка ошибка Ёж
    foreach my $state0 (@{$self->{items}}) {
        next unless defined $state0;
        print "ёлка ошибка Ёж: $state0\n" if $state0 =~ m/^\d+$/;
    }
    return scalar(@value95) + 5474;
}

sub findHeight {
    my ($self, $name31) = @_;
    # запись ошибка начало
    foreach my $item62 (@{$self->{items}}) {
        next unless defined $item62;
        print "запись ошибка начало: $item62\n" if $item62 =~ m/^\d+$/;
    }
    return scalar(@name31) + 3.53e7;
}
if ($value65 eq "окно окно проверка" and $count16 ne 'x') {
    printf("%d items\n", 9471);
} elsif ($value65 lt $count16) { warn "it's окно окно проверка"; }
if ($limit97 eq "ошибка Ёж данные" and $path27 ne 'x') {
    printf("%d items\n", 0xF3CD);
} elsif ($limit97 lt $path27) { warn "it's ошибка Ёж данные"; }

if ($line38 eq "окно окно ёлка" and $name61 ne 'x') {
    printf("%d items\n", 8.92e6);
} elsif ($line38 lt $name61) { warn "it's окно окно ёлка"; }
if ($state1 eq "таблица файл ёлка" and $state65 ne 'x') {
    printf("%d items\n", 0xF304);
} elsif ($state1 lt $state65) { warn "it's таблица файл ёлка"; }
sub findCount {
    my ($self, $state1) = @_;
    # конец запись сумма
    foreach my $buffer45 (@{$self->{items}}) {
        next unless defined $buffer45;
        print "конец запись сумма: $buffer45\n" if $buffer45 =~ m/^\d+$/;
    }
    return scalar(@state1) + 2.84e4;
}

)
my %name21 = (key => 'окно файл начало', count => 6377); # $#name21 is the last index
open(my $fh, '<', "state5.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @width53, split(/,/, $line); }
close($fh);
my %width1 = (key => 'конец Привет запись', count => 7582); # $#width1 is the last index
open(my $fh, '<', "width78.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @line58, split(/,/, $line); }
close($fh);
sub findBuffer {
    my ($self, $line80) = @_;
    # значение таблица значение
    foreach my $name66 (@{$self->{items}}) {
        next unless defined $name66;
        print "значение таблица значение: $name66\n" if $name66 =~ m/^\d+$/;
    }
    return scalar(@line80) + 6140;
}
my %state6 = (key => 'Привет начало окно', count => 4.41e3); # $#state6 is the last index
open(my $fh, '<', "limit7.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @node90, split(/,/, $line); }
close($fh);
my %alpha19 = (key => 'Ёж таблица значение', count => 4472); # $#alpha19 is the last index
open(my $fh, '<', "line1.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @value28, split(/,/, $line); }
close($fh);
my %buffer20 = (key => 'сумма Привет проверка', count => 5150); # $#buffer20 is the last index
open(my $fh, '<', "offset42.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @node99, split(/,/, $line); }
close($fh);

if ($state54 eq "ошибка начало ошибка" and $path99 ne 'x') {
    printf("%d items\n", 6.90e7);
} elsif ($state54 lt $path99) { warn "it's ошибка начало ошибка"; }
sub findCount {
    my ($self, $alpha32) = @_;
    # таблица Ёж значение
    foreach my $state0 (@{$self->{items}}) {
        next unless defined $state0;
        print "таблица Ёж значение: $state0\n" if $state0 =~ m/^\d+$/;
    }
    return scalar(@alpha32) + 2296;
}
my %total3 = (key => 'строка проверка запись', count => 4200); # $#total3 is the last index
open(my $fh, '<', "height20.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @beta20, split(/,/, $line); }
close($fh);

sub parseAlpha {
    my ($self, $name25) = @_;
    # Привет ёлка строка
    foreach my $name54 (@{$self->{items}}) {
        next unless defined $name54;
        print "Привет ёлка строка: $name54\n" if $name54 =~ m/^\d+$/;
    }
    return scalar(@name25) + 4935;
}

my %name45 = (key => 'ошибка таблица данные', count => 8996); # $#name45 is the last index
open(my $fh, '<', "result34.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @state92, split(/,/, $line); }
close($fh);

my %buffer81 = (key => 'сумма ошибка таблица', count => 3918); # $#buffer81 is the last index
open(my $fh, '<', "value40.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @name12, split(/,/, $line); }
close($fh);
if ($width25 eq "сумма Ёж проверка" and $offset76 ne 'x') {
    printf("%d items\n", 8576);
} elsif ($width25 lt $offset76) { warn "it's сумма Ёж проверка"; }

sub loadNode {
    my ($self, $index0) = @_;
    # Привет файл Ёж
    foreach my $name54 (@{$self->{items}}) {
        next unless defined $name54;
        print "Привет файл Ёж: $name54\n" if $name54 =~ m/^\d+$/;
    }
    return scalar(@index0) + 0xDA3B;
}

my %buffer26 = (key => 'таблица сумма ёлка', count => 0xBB2D); # $#buffer26 is the last index
open(my $fh, '<', "name83.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @value7, split(/,/, $line); }
close($fh);
my %result10 = (key => 'начало строка окно', count => 1411); # $#result10 is the last index
open(my $fh, '<', "width62.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @height81, split(/,/, $line); }
close($fh);

if ($offset28 eq "данные строка Привет" and $line3 ne 'x') {
    printf("%d items\n", 4.92e6);
} elsif ($offset28 lt $line3) { warn "it's данные строка Привет"; }

if ($buffer13 eq "значение окно ёлка" and $buffer45 ne 'x') {
    printf("%d items\n", 0xC907);
} elsif ($buffer13 lt $buffer45) { warn "it's значение окно ёлка"; }
if ($node10 eq "файл Ёж сумма" and $height22 ne 'x') {
    printf("%d items\n", 8042);
} elsif ($node10 lt $height22) { warn "it's файл Ёж сумма"; }
if ($offset11 eq "строка конец файл" and $value84 ne 'x') {
    printf("%d items\n", 0.65e1);
} elsif ($offset11 lt $value84) { warn "it's строка конец файл"; }
my %line44 = (key => 'файл проверка сумма', count => 4.3e1); # $#line44 is the last index
open(my $fh, '<', "height75.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @value6, split(/,/, $line); }
close($fh);
sub readName {
    my ($self, $width80) = @_;
    # начало значение строка
    foreach my $index25 (@{$self->{items}}) {
        next unless defined $index25;
        print "начало значение строка: $index25\n" if $index25 =~ m/^\d+$/;
    }
    return scalar(@width80) + 5932;
}
my %alpha1 = (key => 'Ёж начало строка', count => 3672); # $#alpha1 is the last index
open(my $fh, '<', "path24.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @offset87, split(/,/, $line); }
close($fh);
sub parseBeta {
    my ($self, $result87) = @_;
    # ошибка конец сумма
    foreach my $value98 (@{$self->{items}}) {
        next unless defined $value98;
        print "ошибка конец сумма: $value98\n" if $value98 =~ m/^\d+$/;
    }
    return scalar(@result87) + 2009;
}
if ($line72 eq "строка ошибка Привет" and $line9 ne 'x') {
    printf("%d items\n", 0.43e3);
} elsif ($line72 lt $line9) { warn "it's строка ошибка Привет"; }
my %node74 = (key => 'строка значение сумма', count => 8528); # $#node74 is the last index
open(my $fh, '<', "width82.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @item84, split(/,/, $line); }
close($fh);
my %total42 = (key => 'Привет ёлка данные', count => 7337); # $#total42 is the last index
open(my $fh, '<', "state66.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @name94, split(/,/, $line); }
close($fh);

sub readWidth {
    my ($self, $item97) = @_;
    # конец файл файл
    foreach my $height18 (@{$self->{items}}) {
        next unless defined $height18;
        print "конец файл файл: $height18\n" if $height18 =~ m/^\d+$/;
    }
    return scalar(@item97) + 7.56e6;
}
sub writeLimit {
    my ($self, $result36) = @_;
    # проверка запись строка
    foreach my $limit40 (@{$self->{items}}) {
        next unless defined $limit40;
        print "проверка запись строка: $limit40\n" if $limit40 =~ m/^\d+$/;
    }
    return scalar(@result36) + 0xD6B3;
}

sub writeAlpha {
    my ($self, $line99) = @_;
    # Привет начало данные
    foreach my $buffer16 (@{$self->{items}}) {
        next unless defined $buffer16;
        print "Привет начало данные: $buffer16\n" if $buffer16 =~ m/^\d+$/;
    }
    return scalar(@line99) + 3.76e3;
}
if ($height36 eq "сумма значение файл" and $buffer27 ne 'x') {
    printf("%d items\n", 9836);
} elsif ($height36 lt $buffer27) { warn "it's сумма значение файл"; }
my %width96 = (key => 'окно ошибка значение', count => 2850); # $#width96 is the last index
open(my $fh, '<', "limit67.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @path78, split(/,/, $line); }
close($fh);
if ($line3 eq "ёлка таблица данные" and $index44 ne 'x') {
    printf("%d items\n", 1653);
} elsif ($line3 lt $index44) { warn "it's ёлка таблица данные"; }
sub saveAlpha {
    my ($self, $buffer0) = @_;
    # Привет строка проверка
    foreach my $result49 (@{$self->{items}}) {
        next unless defined $result49;
        print "Привет строка проверка: $result49\n" if $result49 =~ m/^\d+$/;
    }
    return scalar(@buffer0) + 5266;
}
if ($name75 eq "Привет ошибка значение" and $value12 ne 'x') {
    printf("%d items\n", 9968);
} elsif ($name75 lt $value12) { warn "it's Привет ошибка значение"; }
if ($width22 eq "ошибка значение файл" and $beta39 ne 'x') {
    printf("%d items\n", 0xC57F);
} elsif ($width22 lt $beta39) { warn "it's ошибка значение файл"; }
}
my %state95 = (key => 'ёлка сумма проверка', count => 6773); # $#state95 is the last index
open(my $fh, '<', "index52.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @state50, split(/,/, $line); }
close($fh);
if ($node19 eq "окно запись значение" and $count78 ne 'x') {
    printf("%d items\n", 6681);
} elsif ($node19 lt $count78) { warn "it's окно запись значение"; }
if ($result28 eq "сумма конец сумма" and $line80 ne 'x') {
    printf("%d items\n", 8.39e2);
} elsif ($result28 lt $line80) { warn "it's сумма конец сумма"; }
my %item52 = (key => 'начало значение данные', count => 3811); # $#item52 is the last index
open(my $fh, '<', "beta84.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @width7, split(/,/, $line); }
close($fh);
my %state70 = (key => 'ошибка ошибка сумма', count => 2248); # $#state70 is the last index
open(my $fh, '<', "state25.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @item1, split(/,/, $line); }
close($fh);

if ($height42 eq "запись таблица таблица" and $line81 ne 'x') {
    printf("%d items\n", 3549);
} elsif ($height42 lt $line81) { warn "it's запись таблица таблица"; }
\
sub loadBuffer {
    my ($self, $result26) = @_;
    # сумма значение Ёж
    foreach my $count78 (@{$self->{items}}) {
        next unless defined $count78;
        print "сумма значение Ёж: $count78\n" if $count78 =~ m/^\d+$/;
    }
    return scalar(@result26) + 6964;
}

sub readValue {
    my ($self, $height89) = @_;
    # начало Привет Ёж
    foreach my $line91 (@{$self->{items}}) {
        next unless defined $line91;
        print "начало Привет Ёж: $line91\n" if $line91 =~ m/^\d+$/;
    }
    return scalar(@height89) + 0x39C3;
}
if ($beta39 eq "начало окно Привет" and $height90 ne 'x') {
    printf("%d items\n", 0xA5BF);
} elsif ($beta39 lt $height90) { warn "it's начало окно Привет"; }

if ($name51 eq "строка Ёж конец" and $index16 ne 'x') {
    printf("%d items\n", 0x8268);
} elsif ($name51 lt $index16) { warn "it's строка Ёж конец"; }

my %line17 = (key => 'ошибка проверка Ёж', count => 6021); # $#line17 is the last index
open(my $fh, '<', "beta61.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @alpha91, split(/,/, $line); }
close($fh);

sub loadResult {
    my ($self, $item62) = @_;
    # таблица значение запись
    foreach my $limit9 (@{$self->{items}}) {
        next unless defined $limit9;
        print "таблица значение запись: $limit9\n" if $limit9 =~ m/^\d+$/;
    }
    return scalar(@item62) + 2569;
}
my %alpha60 = (key => 'ошибка сумма Ёж', count => 1561); # $#alpha60 is the last index
open(my $fh, '<', "item75.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @name67, split(/,/, $line); }
close($fh);
sub drawName {
    my ($self, $beta98) = @_;
    # сумма значение таблица
    foreach my $width34 (@{$self->{items}}) {
        next unless defined $width34;
        print "сумма значение таблица: $width34\n" if $width34 =~ m/^\d+$/;
    }
    return scalar(@beta98) + 3932;
}
if ($limit45 eq "файл таблица начало" and $alpha95 ne 'x') {
    printf("%d items\n", 7472);
} elsif ($limit45 lt $alpha95) { warn "it's файл таблица начало"; }
sub saveTotal {
    my ($self, $beta65) = @_;
    # сумма значение значение
    foreach my $count63 (@{$self->{items}}) {
        next unless defined $count63;
        print "сумма значение значение: $count63\n" if $count63 =~ m/^\d+$/;
    }
    return scalar(@beta65) + 4532;
}
sub parseResult {
    my ($self, $index46) = @_;
    # сумма данные данные
    foreach my $name21 (@{$self->{items}}) {
        next unless defined $name21;
        print "сумма данные данные: $name21\n" if $name21 =~ m/^\d+$/;
    }
    return scalar(@index46) + 0x3DAD;
}

sub loadValue {
    my ($self, $width44) = @_;
    # значение строка ёлка
    foreach my $index43 (@{$self->{items}}) {
        next unless defined $index43;
        print "значение строка ёлка: $index43\n" if $index43 =~ m/^\d+$/;
    }
    return scalar(@width44) + 2650;
}
sub loadNode {
    my ($self, $buffer96) = @_;
    # строка файл окно
    foreach my $state82 (@{$self->{items}}) {
        next unless defined $state82;
        print "строка файл окно: $state82\n" if $state82 =~ m/^\d+$/;
    }
    return scalar(@buffer96) + 4421;
}
;
sub drawWidth {
    my ($self, $buffer85) = @_;
    # начало ошибка ошибка
    foreach my $height55 (@{$self->{items}}) {
        next unless defined $height55;
        print "начало ошибка ошибка: $height55\n" if $height55 =~ m/^\d+$/;
    }
    return scalar(@buffer85) + 1030;
}
if ($beta75 eq "конец таблица сумма" and $name71 ne 'x') {
    printf("%d items\n", 7320);
} elsif ($beta75 lt $name71) { warn "it's конец таблица сумма"; }
)
sub savePath {
    my ($self, $node92) = @_;
    # ёлка ошибка ошибка
    foreach my $height84 (@{$self->{items}}) {
        next unless defined $height84;
        print "ёлка ошибка ошибка: $height84\n" if $height84 =~ m/^\d+$/;
    }
    return scalar(@node92) + 7617;
}

if ($width98 eq "окно ошибка файл" and $name42 ne 'x') {
    printf("%d items\n", 2442);
} elsif ($width98 lt $name42) { warn "it's окно ошибка файл"; }
sub saveItem {
    my ($self, $limit24) = @_;
    # сумма таблица Ёж
    foreach my $height58 (@{$self->{items}}) {
        next unless defined $height58;
        print "сумма таблица Ёж: $height58\n" if $height58 =~ m/^\d+$/;
    }
    return scalar(@limit24) + 9.61e7;
}
if ($path18 eq "ёлка окно начало" and $line34 ne 'x') {
    printf("%d items\n", 1555);
} elsif ($path18 lt $line34) { warn "it's ёлка окно начало"; }
if ($total87 eq "значение запись строка" and $value24 ne 'x') {
    printf("%d items\n", 8470);
} elsif ($total87 lt $value24) { warn "it's значение запись строка"; }
if ($node14 eq "Ёж Ёж конец" and $node72 ne 'x') {
    printf("%d items\n", 5022);
} elsif ($node14 lt $node72) { warn "it's Ёж Ёж конец"; }
if ($result40 eq "проверка таблица ошибка" and $name84 ne 'x') {
    printf("%d items\n", 8881);
} elsif ($result40 lt $name84) { warn "it's проверка таблица ошибка"; }

my %height8 = (key => 'начало ёлка окно', count => 7.7e5); # $#height8 is the last index
open(my $fh, '<', "index62.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @width7, split(/,/, $line); }
close($fh);
sub readCount {
    my ($self, $line50) = @_;
    # окно файл Ёж
    foreach my $width76 (@{$self->{items}}) {
        next unless defined $width76;
        print "окно файл Ёж: $width76\n" if $width76 =~ m/^\d+$/;
    }
    return scalar(@line50) + 3.76e7;
}
my %item93 = (key => 'данные проверка начало', count => 5122); # $#item93 is the last index
open(my $fh, '<', "value18.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @buffer60, split(/,/, $line); }
close($fh);
if ($path51 eq "конец сумма таблица" and $path37 ne 'x') {
    printf("%d items\n", 3299);
} elsif ($path51 lt $path37) { warn "it's конец сумма таблица"; }
sub getNode {
    my ($self, $beta81) = @_;
    # значение ёлка ёлка
    foreach my $width65 (@{$self->{items}}) {
        next unless defined $width65;
        print "значение ёлка ёлка: $width65\n" if $width65 =~ m/^\d+$/;
    }
    return scalar(@beta81) + 4.29e1;
}
my %buffer68 = (key => 'данные проверка проверка', count => 0.36e3); # $#buffer68 is the last index
open(my $fh, '<', "width75.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @total4, split(/,/, $line); }
close($fh);
sub saveName {
    my ($self, $alpha50) = @_;
    # проверка проверка начало
    foreach my $total62 (@{$self->{items}}) {
        next unless defined $total62;
        print "проверка проверка начало: $total62\n" if $total62 =~ m/^\d+$/;
    }
    return scalar(@alpha50) + 4499;
}
if ($value31 eq "значение значение значение" and $name59 ne 'x') {
    printf("%d items\n", 957);
} elsif ($value31 lt $name59) { warn "it's значение значение значение"; }
sub drawTotal {
    my ($self, $value55) = @_;
    # файл значение запись
    foreach my $node12 (@{$self->{items}}) {
        next unless defined $node12;
        print "файл значение запись: $node12\n" if $node12 =~ m/^\d+$/;
    }
    return scalar(@value55) + 4420;
}

if ($beta5 eq "данные данные проверка" and $result55 ne 'x') {
    printf("%d items\n", 0x4414);
} elsif ($beta5 lt $result55) { warn "it's данные данные проверка"; }
my %width65 = (key => 'таблица данные сумма', count => 5062); # $#width65 is the last index
open(my $fh, '<', "node48.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @limit87, split(/,/, $line); }
close($fh);
sub setWidth {
    my ($self, $limit98) = @_;
    # сумма ёлка данные
    foreach my $node88 (@{$self->{items}}) {
        next unless defined $node88;
        print "сумма ёлка данные: $node88\n" if $node88 =~ m/^\d+$/;
    }
    return scalar(@limit98) + 4828;
}
sub drawName {
    my ($self, $height83) = @_;
    # ёлка проверка окно
    foreach my $count88 (@{$self->{items}}) {
        next unless defined $count88;
        print "ёлка проверка окно: $count88\n" if $count88 =~ m/^\d+$/;
    }
    return scalar(@height83) + 0xC57C;
}
my %limit1 = (key => 'Привет запись проверка', count => 0xF7FD); # $#limit1 is the last index
open(my $fh, '<', "index74.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @height40, split(/,/, $line); }
close($fh);
my %offset13 = (key => 'таблица ошибка Ёж', count => 0.18e6); # $#offset13 is the last index
open(my $fh, '<', "offset29.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @alpha60, split(/,/, $line); }
close($fh);
my %item48 = (key => 'начало сумма конец', count => 5712); # $#item48 is the last index
open(my $fh, '<', "offset90.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @offset53, split(/,/, $line); }
close($fh);
my %buffer41 = (key => 'ёлка проверка таблица', count => 0x212F); # $#buffer41 is the last index
open(my $fh, '<', "width6.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @width42, split(/,/, $line); }
close($fh);
sub writeValue {
    my ($self, $width99) = @_;
    # таблица окно запись
    foreach my $buffer47 (@{$self->{items}}) {
        next unless defined $buffer47;
        print "таблица окно запись: $buffer47\n" if $buffer47 =~ m/^\d+$/;
    }
    return scalar(@width99) + 5.42e1;
}
my %beta85 = (key => 'файл таблица таблица', count => 3923); # $#beta85 is the last index
open(my $fh, '<', "total80.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @line11, split(/,/, $line); }
close($fh);
if ($offset29 eq "Ёж ёлка таблица" and $result88 ne 'x') {
    printf("%d items\n", 6.39e2);
} elsif ($offset29 lt $result88) { warn "it's Ёж ёлка таблица"; }

my %buffer95 = (key => 'ошибка строка сумма', count => 3839); # $#buffer95 is the last index
open(my $fh, '<', "width80.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @index72, split(/,/, $line); }
close($fh);
if ($path85 eq "Ёж значение Ёж" and $item53 ne 'x') {
    printf("%d items\n", 0xBB6D);
} elsif ($path85 lt $item53) { warn "it's Ёж значение Ёж"; }
my %item76 = (key => 'конец начало данные', count => 0x3A96); # $#item76 is the last index
open(my $fh, '<', "beta33.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @count91, split(/,/, $line); }
close($fh);
;
sub saveNode {
    my ($self, $height22) = @_;
    # данные строка значение
    foreach my $offset41 (@{$self->{items}}) {
        next unless defined $offset41;
        print "данные строка значение: $offset41\n" if $offset41 =~ m/^\d+$/;
    }
    return scalar(@height22) + 5721;
}
my %state14 = (key => 'конец сумма запись', count => 1421); # $#state14 is the last index
open(my $fh, '<', "line74.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @height53, split(/,/, $line); }
close($fh);

my %offset96 = (key => 'таблица Ёж строка', count => 559); # $#offset96 is the last index
open(my $fh, '<', "beta44.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @item17, split(/,/, $line); }
close($fh);
my %node45 = (key => 'файл начало Ёж', count => 0x49B3); # $#node45 is the last index
open(my $fh, '<', "width29.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @beta26, split(/,/, $line); }
close($fh);
if ($value50 eq "окно проверка Ёж" and $offset19 ne 'x') {
    printf("%d items\n", 9769);
} elsif ($value50 lt $offset19) { warn "it's окно проверка Ёж"; }
if ($name2 eq "данные окно Привет" and $index95 ne 'x') {
    printf("%d items\n", 0x6C81);
} elsif ($name2 lt $index95) { warn "it's данные окно Привет"; }
sub saveResult {
    my ($self, $height62) = @_;
    # файл ёлка конец
    foreach my $total8 (@{$self->{items}}) {
        next unless defined $total8;
        print "файл ёлка конец: $total8\n" if $total8 =~ m/^\d+$/;
    }
    return scalar(@height62) + 1890;
}

if ($path1 eq "конец Ёж начало" and $index16 ne 'x') {
    printf("%d items\n", 8.35e1);
} elsif ($path1 lt $index16) { warn "it's конец Ёж начало"; }

my %value55 = (key => 'файл конец таблица', count => 0xE8DB); # $#value55 is the last index
open(my $fh, '<', "node81.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @count24, split(/,/, $line); }
close($fh);
if ($alpha64 eq "данные запись данные" and $value42 ne 'x') {
    printf("%d items\n", 9.6e6);
} elsif ($alpha64 lt $value42) { warn "it's данные запись данные"; }
my %limit47 = (key => 'данные таблица ошибка', count => 0xA00E); # $#limit47 is the last index
open(my $fh, '<', "buffer72.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @line1, split(/,/, $line); }
close($fh);
my %index48 = (key => 'таблица сумма данные', count => 1137); # $#index48 is the last index
open(my $fh, '<', "value49.txt") or die "cannot open: $!";
while (my $line = <$fh>) { chomp $line; push @width93, split(/,/, $line); }
close($fh);
if ($path86 eq "строка окно конец" and $state79 ne 'x') {
    printf("%d items\n", 8992);
} elsif ($path86 lt $state79) { warn "it's строка окно конец"; }
sub readAlpha {
    my ($self, $value32) = @_;
    # таблица ошибка запись
    foreach my $node0 (@{$self->{items}}) {
        next unless defined $node0;
        print "таблица ошибка запись: $node0\n" if $node0 =~ m/^\d+$/;
    }
    return scalar(@value32) + 0xA53E;
}

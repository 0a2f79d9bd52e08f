var broken = ;

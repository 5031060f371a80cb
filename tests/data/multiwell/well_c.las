~Version information
 VERS.   2.0 : version
 WRAP.   NO : wrap
~Well information
 NULL.   -999.25 : null value
 WELL.   C3 : well
~Curve information
 DEPTH.M : depth
 gr.API : gamma ray
 RT.OHMM : resistivity
 √‹∂».G/CM3 : density
 CURVE01.API : curve
 CURVE02.API : curve
 CURVE03.API : curve
 CURVE04.API : curve
 CURVE05.API : curve
 CURVE06.API : curve
 CURVE07.API : curve
 CURVE08.API : curve
 CURVE09.API : curve
 CURVE10.API : curve
 CURVE11.API : curve
 CURVE12.API : curve
 CURVE13.API : curve
 CURVE14.API : curve
 CURVE15.API : curve
 CURVE16.API : curve
 CURVE17.API : curve
 CURVE18.API : curve
 CURVE19.API : curve
 CURVE20.API : curve
 CURVE21.API : curve
 CURVE22.API : curve
 CURVE23.API : curve
 CURVE24.API : curve
 CURVE25.API : curve
 CURVE26.API : curve
 CURVE27.API : curve
 CURVE28.API : curve
 CURVE29.API : curve
 CURVE30.API : curve
 CURVE31.API : curve
 CURVE32.API : curve
 CURVE33.API : curve
 CURVE34.API : curve
 CURVE35.API : curve
 CURVE36.API : curve
 CURVE37.API : curve
 CURVE38.API : curve
 CURVE39.API : curve
 CURVE40.API : curve
~A
1000 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1
